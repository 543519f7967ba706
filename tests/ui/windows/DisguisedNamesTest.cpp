#include <QLabel>
#include <QListWidget>

#include <functional>
#include <memory>

#include "support/StoredAccount.h"
#include "ui/ObjectNames.h"
#include "ui/kit/ClampedLabel.h"
#include "ui/windows/DataLifecycleCenter.h"
#include "ui/windows/MigrationImportWindow.h"
#include "ui/windows/SecurityCenter.h"
#include "ui/windows/SecurityLog.h"
#include "ui/windows/WindowsFixture.h"

namespace quorbit::test {
namespace {

// Read with its override, "Bankexe.png"; the account name is isolated the wrong way round.
const std::string spoofedIssuer = "Bank\u202Egnp.exe";
const std::string spoofedName = "\u2067alice\u2069";

bool holdsBidiControl(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E || u == 0x200F ||
               u == 0x061C;
    });
}

QStringList shownTexts(const QWidget& root) {
    QStringList texts;
    for (const QLabel* label : root.findChildren<QLabel*>()) texts << label->text();
    for (const ClampedLabel* label : root.findChildren<ClampedLabel*>()) texts << label->text();
    return texts;
}

class DisguisedNamesTest : public WindowsFixture {
protected:
    OtpAccount spoofed() const {
        OtpAccount account = storedAccount(spoofedIssuer, spoofedName);
        account.period = 60;  // one more audit finding that quotes the name
        return account;
    }

    template <typename Window>
    std::unique_ptr<QWidget> shownWhenLoaded(std::unique_ptr<Window> window) {
        window->show();
        EXPECT_TRUE(QTest::qWaitFor([&window] { return !window->isLoading(); }));
        return window;
    }
};

// Every window that names an account shows it without the controls that would disguise it.
TEST_F(DisguisedNamesTest, NoWindowShowsTheBidirectionalControlsOfAName) {
    struct WindowCase {
        const char* window;
        std::function<std::unique_ptr<QWidget>()> open;
    };
    const WindowCase cases[] = {
        {"lifecycle center",
         [this] {
             storeAccounts({spoofed()});
             auto center = std::make_unique<DataLifecycleCenter>(model());
             auto shown = shownWhenLoaded(std::move(center));
             shown->findChild<QListWidget*>(objectnames::windows::lifecycleCategories)
                 ->setCurrentRow(int(DataLifecycleCategory::untagged));
             EXPECT_TRUE(QTest::qWaitFor([&shown] { return !static_cast<DataLifecycleCenter&>(*shown).isLoading(); }));
             return shown;
         }},
        {"security center",
         [this] {
             storeAccounts({spoofed()});
             return shownWhenLoaded(std::make_unique<SecurityCenter>(model()));
         }},
        {"security log",
         [this] {
             QuorbitViewModel& vm = model();
             events.setEvents({SecurityEvent{Uuid::random(),
                                             SecurityEventKind::codeCopied,
                                             sampleNow(),
                                             std::nullopt,
                                             spoofedIssuer,
                                             "copied",
                                             {}}});
             return shownWhenLoaded(std::make_unique<SecurityLog>(vm));
         }},
        {"migration import",
         [this] {
             GoogleAuthAccount account;
             account.secret = SecretBytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
             account.issuer = spoofedIssuer;
             account.name = spoofedName;
             auto window = std::make_unique<MigrationImportWindow>(model(), std::vector{account}, true, [] {});
             window->show();
             return std::unique_ptr<QWidget>(std::move(window));
         }},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.window);
        std::unique_ptr<QWidget> window = c.open();
        const QStringList texts = shownTexts(*window);
        EXPECT_FALSE(texts.filter(QStringLiteral("Bankgnp.exe")).isEmpty()) << texts.join(u'|').toStdString();
        for (const QString& text : texts) EXPECT_FALSE(holdsBidiControl(text)) << text.toStdString();
        window.reset();
        viewModel.reset();
    }
}

}  // namespace
}  // namespace quorbit::test
