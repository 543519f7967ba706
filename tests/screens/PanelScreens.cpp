#include <QApplication>
#include <QScrollBar>
#include <QVBoxLayout>

#include "screens/ScreenRegistry.h"
#include "ui/ObjectNames.h"
#include "ui/panel/AddTokenForm.h"
#include "ui/panel/OtpSettingsSheet.h"
#include "ui/panel/PanelFixture.h"

namespace quorbit::screens {
namespace {

using std::chrono::days;
using std::chrono::hours;

// The fakes and the view model behind one picture.
class PanelScene : public test::PanelFixture {
public:
    void TestBody() override {}
    using test::PanelFixture::groups;
    using test::PanelFixture::makeModel;
    using test::PanelFixture::storeAccounts;
};

// Keeps the scene alive as long as the picture, and removes the views before the view model.
class ScenePicture : public QWidget {
public:
    ScenePicture(std::unique_ptr<PanelScene> scene, QWidget* content, QSize size)
        : scene_(std::move(scene)), content_(content) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(content);
        setAutoFillBackground(true);
        setFixedSize(size);
    }
    ~ScenePicture() override { delete content_; }

private:
    std::unique_ptr<PanelScene> scene_;
    QWidget* content_;
};

OtpAccount extra(std::string_view id, std::string issuer, std::string name, std::vector<std::string> tags) {
    OtpAccount account;
    account.id = *Uuid::parse(id);
    account.issuer = std::move(issuer);
    account.accountName = std::move(name);
    account.secretRef = OtpSecretRef{std::string(id)};
    account.createdAt = test::sampleNow() - days(12);
    account.updatedAt = account.createdAt;
    account.tags = std::move(tags);
    return account;
}

// The sample accounts and five more: twelve outside the trash.
std::vector<OtpAccount> twelveAccounts(const ScreenContext& context) {
    std::vector<OtpAccount> accounts = context.accounts;
    accounts.push_back(extra("6F1C2A3B-0000-4000-8000-000000000011", "Dropbox", "alice@example.com", {"Personal"}));
    accounts.push_back(extra("6F1C2A3B-0000-4000-8000-000000000012", "Slack", "alice@example.com", {"Work"}));
    accounts.push_back(extra("6F1C2A3B-0000-4000-8000-000000000013", "Figma", "design@example.com", {"Work"}));
    accounts.push_back(extra("6F1C2A3B-0000-4000-8000-000000000014", "Cloudflare", "ops@example.com", {"Dev"}));
    accounts.push_back(extra("6F1C2A3B-0000-4000-8000-000000000015", "Mastodon", "@alice", {}));
    return accounts;
}

ScreenBuilder panel(bool unlocked, std::function<void(PanelScene&, const ScreenContext&)> prepare,
                    std::function<void(QuorbitViewModel&, PanelView&)> afterwards = {}) {
    return [=](const ScreenContext& context) -> std::unique_ptr<QWidget> {
        auto scene = std::make_unique<PanelScene>();
        prepare(*scene, context);
        QuorbitViewModel& model = scene->makeModel(context.settings, unlocked);
        auto* view = new PanelView(model);
        auto picture = std::make_unique<ScenePicture>(std::move(scene), view,
                                                      QSize(PanelView::panelWidth, PanelView::panelHeight));
        // Laid out first, so that a scroll position can be set.
        picture->show();
        QApplication::processEvents();
        if (afterwards) afterwards(model, *view);
        return picture;
    };
}

void sampleList(PanelScene& scene, const ScreenContext& context) { scene.storeAccounts(twelveAccounts(context)); }

ScreenBuilder emptyState(AccountFilterSelection filter) {
    return [filter](const ScreenContext& context) {
        ScreenContext filtered = context;
        filtered.settings.selectedAccountFilter = filter;
        return panel(true,
                     [](PanelScene& scene, const ScreenContext&) { scene.groups.saveGroups({"Work"}); })(filtered);
    };
}

const ScreenRegistration locked("panel-locked", panel(false, sampleList, [](QuorbitViewModel& model, PanelView&) {
                                    model.setStatusMessage(QString::fromUtf8(
                                        model.settings().language == AppLanguage::russian ? "Приложение заблокировано"
                                                                                          : "App locked"));
                                }));

const ScreenRegistration unlockedList("panel-unlocked", panel(true, sampleList));

const ScreenRegistration longStatus(
    "panel-status-clamped", panel(true, sampleList, [](QuorbitViewModel& model, PanelView&) {
        model.setStatusMessage(QStringLiteral(
            "The keyring refused access to the secret of this account. Unlock the keyring in the system settings, "
            "then try again. If the problem stays, restore the account from a backup or remove it and add it again "
            "from its QR code."));
    }));

const ScreenRegistration emptyAll("panel-empty-all", emptyState(AccountFilterSelection::all()));
const ScreenRegistration emptyFavorites("panel-empty-favorites", emptyState(AccountFilterSelection::favorites()));
const ScreenRegistration emptyRecent("panel-empty-recent", emptyState(AccountFilterSelection::recent()));
const ScreenRegistration emptyTrash("panel-empty-trash", emptyState(AccountFilterSelection::trash()));
const ScreenRegistration emptyTag("panel-empty-tag", emptyState(AccountFilterSelection::tag("Work")));

void openAddForm(QuorbitViewModel& model, PanelView&) {
    model.resetAddForm();
    model.setShowingAddToken(true);
    model.setManualIssuer(QStringLiteral("GitLab"));
    model.setManualSelectedTags({"Work"});
    QApplication::processEvents();  // the scroll area sizes the form in a second pass
}

const ScreenRegistration addFormTop("panel-add-form-top", panel(true, sampleList, openAddForm));

const ScreenRegistration addFormScrolled(
    "panel-add-form-scrolled", panel(true, sampleList, [](QuorbitViewModel& model, PanelView& view) {
        openAddForm(model, view);
        QApplication::processEvents();
        QScrollBar* bar = view.findChild<AddTokenForm*>(objectnames::panel::addForm)->verticalScrollBar();
        bar->setValue(bar->maximum());
    }));

const ScreenRegistration sheet("panel-otp-settings-sheet",
                               [](const ScreenContext& context) -> std::unique_ptr<QWidget> {
                                   auto scene = std::make_unique<PanelScene>();
                                   sampleList(*scene, context);
                                   QuorbitViewModel& model = scene->makeModel(context.settings, true);
                                   model.beginEditingTags(test::sampleAccount("GitHub"));
                                   auto* editor = new OtpSettingsSheet(model);
                                   editor->setWindowFlags(Qt::Widget);
                                   editor->adjustSize();
                                   const QSize size(OtpSettingsSheet::sheetWidth, editor->sizeHint().height());
                                   return std::make_unique<ScenePicture>(std::move(scene), editor, size);
                               });

}  // namespace
}  // namespace quorbit::screens
