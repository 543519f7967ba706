#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include <QTest>

#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {
namespace {

using namespace std::chrono_literals;

class SettingsReactionsTest : public ViewModelFixture {
protected:
    struct Case {
        std::string name;
        std::function<void(AppSettings&)> stored;  // the settings the run starts with
        std::function<void(QuorbitViewModel&)> act;
        std::function<void(QuorbitViewModel&)> check;
    };

    static void change(QuorbitViewModel& model, const std::function<void(AppSettings&)>& edit) {
        AppSettings settings = model.settings();
        edit(settings);
        model.setSettings(settings);
    }

    // A started, unlocked view model over one account tagged "Work".
    QuorbitViewModel& startUnlocked(const Case& reaction) {
        vault.lock();
        repository.setAccounts({});
        OtpAccount account = store("Alpha", "a");
        account.tags = {"Work"};
        repository.setAccounts({account});
        alpha = account;
        AppSettings stored;
        if (reaction.stored) reaction.stored(stored);
        QuorbitViewModel& model = makeEnglishViewModel(stored);
        themeChanges = 0;
        QObject::connect(&model, &QuorbitViewModel::themeChanged, [this] { ++themeChanges; });
        run(model.start());
        run(model.unlock());
        return model;
    }

    // Saves run on the worker; waits until the store holds what the view model shows.
    bool savedAsShown() {
        return QTest::qWaitFor([&] { return settingsStore.settings() == viewModel->settings(); }, 5000);
    }

    OtpAccount alpha;
    int themeChanges = 0;
};

TEST_F(SettingsReactionsTest, EachChangeBringsItsReaction) {
    const QString warning = QString::fromStdString(AppLocalizer(AppLanguage::english).pbkdf2TooLowWarning(100'000));
    const std::vector<Case> cases{
        {"a shorter auto-lock counts from the change", [](AppSettings& s) { s.autoLock = AutoLockDuration::never; },
         [&](QuorbitViewModel& m) {
             clock.advance(10min);
             change(m, [](AppSettings& s) { s.autoLock = AutoLockDuration::oneMinute; });
             clock.advance(59s);
         },
         [&](QuorbitViewModel&) {
             EXPECT_TRUE(vault.isUnlocked());
             clock.advance(2s);
             EXPECT_FALSE(vault.isUnlocked());
         }},
        {"an iteration count below the floor warns and stores the floor", nullptr,
         [](QuorbitViewModel& m) { m.validatePBKDF2Iterations(50'000); },
         [&](QuorbitViewModel& m) {
             EXPECT_EQ(m.pbkdf2Warning(), warning);
             EXPECT_EQ(m.settings().backupPBKDF2Iterations, 100'000);
             EXPECT_EQ(m.backupPBKDF2Iterations(), 100'000);
             EXPECT_TRUE(savedAsShown());
         }},
        {"an accepted iteration count clears the warning", nullptr,
         [](QuorbitViewModel& m) {
             m.validatePBKDF2Iterations(50'000);
             m.validatePBKDF2Iterations(150'000);
         },
         [](QuorbitViewModel& m) {
             EXPECT_FALSE(m.pbkdf2Warning());
             EXPECT_EQ(m.backupPBKDF2Iterations(), 150'000);
         }},
        {"an iteration count above the ceiling is stored as the ceiling", nullptr,
         [](QuorbitViewModel& m) { m.setBackupPBKDF2Iterations(20'000'000); },
         [&](QuorbitViewModel& m) {
             EXPECT_EQ(m.settings().backupPBKDF2Iterations, 10'000'000);
             EXPECT_EQ(m.backupPBKDF2Iterations(), 10'000'000);
             EXPECT_TRUE(savedAsShown());
         }},
        {"an iteration count loaded out of range is brought within it",
         [](AppSettings& s) { s.backupPBKDF2Iterations = 5; }, [](QuorbitViewModel&) {},
         [](QuorbitViewModel& m) {
             EXPECT_EQ(m.settings().backupPBKDF2Iterations, 100'000);
             EXPECT_EQ(m.backupPBKDF2Iterations(), 100'000);
         }},
        {"the salt length mirror writes the setting", nullptr, [](QuorbitViewModel& m) { m.setBackupSaltBytes(32); },
         [&](QuorbitViewModel& m) {
             EXPECT_EQ(m.settings().backupSaltBytes, 32);
             EXPECT_TRUE(savedAsShown());
         }},
        {"hiding trashed tokens leaves the trash filter",
         [](AppSettings& s) { s.selectedAccountFilter = AccountFilterSelection::trash(); },
         [](QuorbitViewModel& m) { change(m, [](AppSettings& s) { s.showTrashedTokens = false; }); },
         [&](QuorbitViewModel& m) {
             EXPECT_EQ(m.settings().selectedAccountFilter, AccountFilterSelection::all());
             EXPECT_TRUE(savedAsShown());
         }},
        {"a filter of an unknown tag falls back to all", nullptr,
         [](QuorbitViewModel& m) {
             change(m, [](AppSettings& s) { s.selectedAccountFilter = AccountFilterSelection::tag("Gone"); });
         },
         [](QuorbitViewModel& m) { EXPECT_EQ(m.settings().selectedAccountFilter, AccountFilterSelection::all()); }},
        {"a filter of a known tag in other case stays", nullptr,
         [](QuorbitViewModel& m) {
             change(m, [](AppSettings& s) { s.selectedAccountFilter = AccountFilterSelection::tag("work"); });
         },
         [](QuorbitViewModel& m) {
             EXPECT_EQ(m.settings().selectedAccountFilter, AccountFilterSelection::tag("work"));
         }},
        {"hiding codes by default hides the revealed ones again", nullptr,
         [&](QuorbitViewModel& m) {
             m.toggleCodeVisibility(alpha);
             change(m, [](AppSettings& s) { s.hideCodesByDefault = true; });
         },
         [](QuorbitViewModel& m) { EXPECT_TRUE(m.revealedAccountIDs().empty()); }},
        {"turning copy on click off hides the revealed codes again", nullptr,
         [&](QuorbitViewModel& m) {
             m.toggleCodeVisibility(alpha);
             change(m, [](AppSettings& s) { s.copyCodeOnClick = false; });
         },
         [](QuorbitViewModel& m) { EXPECT_TRUE(m.revealedAccountIDs().empty()); }},
        {"a language change clears the status line", nullptr,
         [](QuorbitViewModel& m) {
             m.setStatusMessage(QStringLiteral("Token added"));
             change(m, [](AppSettings& s) { s.language = AppLanguage::russian; });
         },
         [](QuorbitViewModel& m) { EXPECT_FALSE(m.statusMessage()); }},
        {"a theme change is signalled, another change is not", nullptr,
         [](QuorbitViewModel& m) {
             change(m, [](AppSettings& s) { s.theme = AppTheme::dark; });
             change(m, [](AppSettings& s) { s.accountSortOption = AccountSortOption::createdAt; });
         },
         [&](QuorbitViewModel&) { EXPECT_EQ(themeChanges, 1); }},
    };
    for (const Case& reaction : cases) {
        SCOPED_TRACE(reaction.name);
        QuorbitViewModel& model = startUnlocked(reaction);
        reaction.act(model);
        reaction.check(model);
    }
}

}  // namespace
}  // namespace quorbit::test
