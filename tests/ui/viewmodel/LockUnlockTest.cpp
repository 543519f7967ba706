#include <gtest/gtest.h>

#include <chrono>

#include <QTest>

#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {
namespace {

using LockUnlockTest = ViewModelFixture;
using Event = std::pair<SecurityEventKind, std::string>;
using Events = std::vector<Event>;
const Event unlocked{SecurityEventKind::appUnlocked, "App unlocked"};
const Event locked{SecurityEventKind::appLocked, "App locked"};

TEST_F(LockUnlockTest, ScriptedRun) {
    const OtpAccount alpha = store("Alpha", "a");
    store("Beta", "b");
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());

    // The owner refuses: locked, no notice, nothing logged.
    unlocker.setAccepts(false);
    run(model.unlock());
    EXPECT_FALSE(model.isUnlocked());
    EXPECT_TRUE(dialogs.alerts().empty());
    EXPECT_EQ(unlocker.reasons(), std::vector<std::string>{"Unlock locally to view and copy authentication codes."});

    // Authenticated but the keyring notice declined: the vault is locked again.
    unlocker.setAccepts(true);
    dialogs.answerAlertWithFirstButton(false);
    run(model.unlock());
    EXPECT_FALSE(model.isUnlocked());
    EXPECT_FALSE(vault.isUnlocked());
    ASSERT_EQ(dialogs.alerts().size(), 1u);
    EXPECT_EQ(dialogs.alerts()[0].firstButton, "Continue");
    EXPECT_TRUE(model.accounts().empty());
    EXPECT_TRUE(loggedEvents().empty());

    // Onboarding finished with "add an account" while locked: the form waits for the unlock.
    model.completeOnboarding(OnboardingCompletionAction::addAccount);
    EXPECT_FALSE(model.showingAddToken());

    // The owner is asked again and the notice shown again; accepted, the list and codes load.
    run(model.unlock());
    EXPECT_EQ(unlocker.reasons().size(), 3u);
    EXPECT_EQ(dialogs.alerts().size(), 2u);
    EXPECT_TRUE(model.isUnlocked());
    EXPECT_EQ(model.accounts().size(), 2u);
    EXPECT_EQ(model.codes().size(), 2u);
    EXPECT_TRUE(model.showingAddToken());
    EXPECT_EQ(loggedEvents(), Events{unlocked});

    // Unlocking while the session runs asks nobody and does not open the form again.
    model.setShowingAddToken(false);
    run(model.unlock());
    EXPECT_EQ(unlocker.reasons().size(), 3u);
    EXPECT_EQ(dialogs.alerts().size(), 2u);
    EXPECT_FALSE(model.showingAddToken());

    // Idle past the five-minute auto-lock: codes and marks go, the list stays, nothing is logged;
    // activity after the expiry does not unlock.
    model.toggleCodeVisibility(alpha);
    clock.advance(std::chrono::seconds(301));
    model.extendIfUnlocked();
    run(model.refreshTick());
    EXPECT_FALSE(model.isUnlocked());
    EXPECT_FALSE(vault.isUnlocked());
    EXPECT_TRUE(model.codes().empty());
    EXPECT_TRUE(model.secondsRemaining().empty());
    EXPECT_TRUE(model.revealedAccountIDs().empty());
    EXPECT_EQ(model.accounts().size(), 2u);
    EXPECT_EQ(loggedEvents(), (Events{unlocked, unlocked}));

    // An explicit lock clears everything at once, then records the lock.
    run(model.unlock());
    model.toggleCodeVisibility(alpha);
    model.setEditingTagsAccount(alpha);
    model.setShowingAddToken(true);
    model.lock();
    EXPECT_FALSE(model.isUnlocked());
    EXPECT_FALSE(vault.isUnlocked());
    EXPECT_TRUE(model.accounts().empty());
    EXPECT_TRUE(model.codes().empty());
    EXPECT_TRUE(model.secondsRemaining().empty());
    EXPECT_TRUE(model.revealedAccountIDs().empty());
    EXPECT_FALSE(model.copiedAccountID());
    EXPECT_FALSE(model.showingAddToken());
    EXPECT_FALSE(model.editingTagsAccount());
    EXPECT_TRUE(QTest::qWaitFor([&] { return loggedEvents().size() == 4; }, 5000));
    EXPECT_EQ(loggedEvents().back(), locked);
}

TEST_F(LockUnlockTest, SessionEventsLockOnlyWhileTheSettingIsOn) {
    store("Alpha", "a");
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    for (const auto event : {SessionEventSource::Event::willSleep, SessionEventSource::Event::screenLocked,
                             SessionEventSource::Event::sessionResignedActive}) {
        AppSettings settings = model.settings();
        settings.lockOnSleepOrScreenLock = false;
        model.setSettings(settings);
        run(model.unlock());
        sessionEvents.fire(event);
        EXPECT_TRUE(model.isUnlocked()) << static_cast<int>(event);

        settings.lockOnSleepOrScreenLock = true;  // takes effect without a restart
        model.setSettings(settings);
        sessionEvents.fire(event);
        EXPECT_FALSE(model.isUnlocked()) << static_cast<int>(event);
        EXPECT_TRUE(model.accounts().empty());
    }
}

TEST_F(LockUnlockTest, ALockWhileAReloadWaitsDropsWhatItRead) {
    store("Alpha", "a");
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    run(model.unlock());
    model.lock();
    vault.unlock("test");
    secrets.holdReads(true);  // the reload below waits for the secrets
    QCoro::Task<> reloading = model.reload();
    model.lock();
    secrets.holdReads(false);
    run(std::move(reloading));
    EXPECT_TRUE(model.accounts().empty());
    EXPECT_TRUE(model.codes().empty());
    EXPECT_FALSE(model.statusMessage());
}

}  // namespace
}  // namespace quorbit::test
