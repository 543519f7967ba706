#include <chrono>
#include <functional>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "domain/QuorbitError.h"
#include "screens/ScreenRegistry.h"
#include "support/ui/ViewModelHarness.h"
#include "ui/ObjectNames.h"
#include "ui/kit/SegmentedControl.h"
#include "ui/windows/DataLifecycleCenter.h"
#include "ui/windows/MigrationImportWindow.h"
#include "ui/windows/SecurityCenter.h"
#include "ui/windows/SecurityLog.h"

namespace quorbit::screens {
namespace {

namespace names = objectnames::windows;
using std::chrono::hours;
using std::chrono::minutes;

// The fakes and an unlocked view model over the context's accounts behind one window, shown as
// a plain widget so that it can be photographed; the window goes before the view model.
class WindowPicture final : public QWidget {
public:
    explicit WindowPicture(const ScreenContext& context) {
        harness_.clock.set(context.now);
        harness_.settingsStore.saveSettings(context.settings);
        harness_.repository.setAccounts(context.accounts);
        const SecretBytes secret{'1', '2', '3', '4', '5', '6', '7', '8', '9', '0'};
        for (const OtpAccount& account : context.accounts) harness_.secrets.saveSecret(secret, account.secretRef);
        setAutoFillBackground(true);
        new QVBoxLayout(this);
        layout()->setContentsMargins(0, 0, 0, 0);
    }
    ~WindowPicture() override { delete window_; }

    test::ViewModelHarness& harness() { return harness_; }

    QuorbitViewModel& model() {
        if (viewModel_ == nullptr) {
            viewModel_ = &harness_.makeViewModel();
            test::ViewModelHarness::run(viewModel_->unlock());
        }
        return *viewModel_;
    }

    template <typename Window>
    Window& hold(Window* window) {
        window_ = window;
        const QSize size = window->size();
        window->setWindowFlags(Qt::Widget);
        layout()->addWidget(window);
        setFixedSize(size);
        show();
        QApplication::processEvents();
        return *window;
    }

private:
    test::ViewModelHarness harness_;
    QuorbitViewModel* viewModel_ = nullptr;
    QWidget* window_ = nullptr;
};

// Lets the window's loads and the view model's jobs run until `done`.
void settle(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::processEvents();
}

GoogleAuthAccount decoded(std::string issuer, std::string name, int digits = 6, OtpType type = OtpType::totp,
                          OtpAlgorithm algorithm = OtpAlgorithm::sha1) {
    GoogleAuthAccount account;
    account.secret = SecretBytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    account.issuer = std::move(issuer);
    account.name = std::move(name);
    account.digits = digits;
    account.type = type;
    account.algorithm = algorithm;
    return account;
}

std::vector<GoogleAuthAccount> decodedBatch() {
    GoogleAuthAccount invalid = decoded("Legacy VPN", "ops", 6);
    invalid.secret = SecretBytes{};
    return {decoded("GitHub", "alice@example.com"),
            decoded("Google", ""),
            decoded("", "bob@example.com"),
            decoded("", ""),
            decoded("Bank", "savings", 8, OtpType::hotp, OtpAlgorithm::sha256),
            invalid};
}

std::unique_ptr<QWidget> importWindow(const ScreenContext& context, bool isFinalBatch, bool failing) {
    auto picture = std::make_unique<WindowPicture>(context);
    auto& window = picture->hold(new MigrationImportWindow(picture->model(), decodedBatch(), isFinalBatch, [] {}));
    const QList<QCheckBox*> ticks = window.findChildren<QCheckBox*>(names::importRowCheck);
    ticks[0]->click();
    ticks[4]->click();
    if (failing) {
        picture->harness().repository.failSavesWith(QuorbitError(QuorbitError::Case::persistenceFailure));
        window.findChild<QPushButton*>(names::importConfirm)->click();
        settle([&window] { return window.findChild<QLabel*>(names::importError)->isVisibleTo(&window); });
    }
    return picture;
}

const ScreenRegistration importBatch("window-migration-import",
                                     [](const ScreenContext& context) { return importWindow(context, false, false); });
const ScreenRegistration importFailed("window-migration-import-failed",
                                      [](const ScreenContext& context) { return importWindow(context, true, true); });

using LifecycleStep = std::function<void(DataLifecycleCenter&)>;

// The sample accounts and two that were last used long ago, one of them tagged, so that rows
// with their secondary lines show.
ScreenContext withStaleAccounts(ScreenContext context) {
    auto stale = [&context](const char* id, std::string issuer, std::vector<std::string> tags, std::chrono::days idle) {
        OtpAccount account;
        account.id = *Uuid::parse(id);
        account.issuer = std::move(issuer);
        account.accountName = "ops";
        account.secretRef = OtpSecretRef{id};
        account.createdAt = context.now - std::chrono::days(900);
        account.updatedAt = account.createdAt;
        account.lastUsedAt = context.now - idle;
        account.tags = std::move(tags);
        context.accounts.push_back(account);
    };
    stale("6F1C2A3B-0000-4000-8000-000000000101", "Legacy VPN", {"Work", "Infrastructure"}, std::chrono::days(400));
    stale("6F1C2A3B-0000-4000-8000-000000000102", "Old CRM", {"Sales"}, std::chrono::days(250));
    return context;
}

ScreenBuilder lifecycle(std::optional<DataLifecycleCategory> category, int selected, LifecycleStep then = {}) {
    return [=](const ScreenContext& context) -> std::unique_ptr<QWidget> {
        auto picture = std::make_unique<WindowPicture>(withStaleAccounts(context));
        auto& window = picture->hold(new DataLifecycleCenter(picture->model()));
        settle([&window] { return !window.isLoading(); });
        if (category) {
            window.findChild<QListWidget*>(names::lifecycleCategories)->setCurrentRow(int(*category));
            settle([&window] { return !window.isLoading(); });
        }
        auto* list = window.findChild<QListWidget*>(names::lifecycleAccounts);
        for (int i = 0; i < selected && i < list->count(); ++i) list->item(i)->setSelected(true);
        if (then) then(window);
        QApplication::processEvents();
        return picture;
    };
}

const ScreenRegistration lifecycleStart("window-lifecycle-start", lifecycle(std::nullopt, 0));
const ScreenRegistration lifecycleTrash("window-lifecycle-trash", lifecycle(DataLifecycleCategory::trash, 0));
const ScreenRegistration lifecycleTrashSelected("window-lifecycle-trash-selected",
                                                lifecycle(DataLifecycleCategory::trash, 1));
const ScreenRegistration lifecycleUntagged("window-lifecycle-untagged-selected",
                                           lifecycle(DataLifecycleCategory::untagged, 2));
const ScreenRegistration lifecycleUnused("window-lifecycle-unused", lifecycle(DataLifecycleCategory::longUnused, 0));
const ScreenRegistration lifecycleUnusedSelected("window-lifecycle-unused-selected",
                                                 lifecycle(DataLifecycleCategory::longUnused, 1));
const ScreenRegistration lifecycleTagSheet(
    "window-lifecycle-tag-sheet", lifecycle(DataLifecycleCategory::untagged, 1, [](DataLifecycleCenter& window) {
        window.findChild<QPushButton*>(names::lifecycleAddTag)->click();
        window.findChild<QLineEdit*>(names::lifecycleTagField)->insert(QStringLiteral("Work"));
    }));

const ScreenRegistration securityCenter("window-security-center", [](const ScreenContext& context) {
    auto picture = std::make_unique<WindowPicture>(context);
    auto& window = picture->hold(new SecurityCenter(picture->model()));
    settle([&window] { return !window.isLoading(); });
    return std::unique_ptr<QWidget>(std::move(picture));
});

const ScreenRegistration securityCenterNoIssues("window-security-center-no-issues", [](const ScreenContext& context) {
    ScreenContext none = context;
    none.accounts.clear();
    auto picture = std::make_unique<WindowPicture>(none);
    auto& window = picture->hold(new SecurityCenter(picture->model()));
    settle([&window] { return !window.isLoading(); });
    return std::unique_ptr<QWidget>(std::move(picture));
});

// The owner refused the unlock: the audit did not run, which is not a clean result.
const ScreenRegistration securityCenterNotRun("window-security-center-not-run", [](const ScreenContext& context) {
    auto picture = std::make_unique<WindowPicture>(context);
    picture->harness().unlocker.setAccepts(false);
    auto& window = picture->hold(new SecurityCenter(picture->model()));
    settle([&window] { return !window.isLoading(); });
    return std::unique_ptr<QWidget>(std::move(picture));
});

std::vector<SecurityEvent> sampleEvents(TimePoint now) {
    auto event = [](SecurityEventKind kind, std::string message, TimePoint time,
                    std::optional<std::string> label = std::nullopt) {
        return SecurityEvent{Uuid::random(), kind, time, std::nullopt, std::move(label), std::move(message), {}};
    };
    return {
        event(SecurityEventKind::accountCreated, "Account created", now - hours(50), "GitHub"),
        event(SecurityEventKind::backupCreated, "Encrypted backup exported", now - hours(26)),
        event(SecurityEventKind::appUnlocked, "App unlocked", now - hours(3)),
        event(SecurityEventKind::codeCopied, "Code copied", now - hours(2), "GitHub"),
        event(SecurityEventKind::accountMovedToTrash, "Moved to trash", now - minutes(40), "Old Forum"),
        event(SecurityEventKind::securityAuditRun, "Security audit: 3 issues found", now - minutes(12)),
        event(SecurityEventKind::appLocked, "App locked", now - minutes(2)),
    };
}

ScreenBuilder securityLog(bool withEvents, int filter) {
    return [=](const ScreenContext& context) -> std::unique_ptr<QWidget> {
        auto picture = std::make_unique<WindowPicture>(context);
        QuorbitViewModel& model = picture->model();
        picture->harness().events.setEvents(withEvents ? sampleEvents(context.now) : std::vector<SecurityEvent>{});
        auto& window = picture->hold(new SecurityLog(model));
        settle([&window] { return !window.isLoading(); });
        if (filter > 0) window.findChild<SegmentedControl*>(names::securityLogFilter)->segment(filter)->click();
        QApplication::processEvents();
        return picture;
    };
}

const ScreenRegistration logAll("window-security-log", securityLog(true, 0));
const ScreenRegistration logImport("window-security-log-import-filter", securityLog(true, 1));
const ScreenRegistration logEmpty("window-security-log-empty", securityLog(false, 0));

}  // namespace
}  // namespace quorbit::screens
