#include <gtest/gtest.h>

#include <QSignalSpy>

#include "ViewModelFixture.h"

namespace quorbit::test {
namespace {

using StartUpTest = ViewModelFixture;

TEST_F(StartUpTest, FirstLaunchWithNoFilesIsEmptyLockedAndSavesNothing) {
    QuorbitViewModel& model = makeViewModel();
    run(model.start());
    EXPECT_TRUE(model.isStarted());
    EXPECT_TRUE(model.accounts().empty());
    EXPECT_TRUE(model.accountGroups().empty());
    EXPECT_TRUE(model.codes().empty());
    EXPECT_FALSE(model.isUnlocked());
    EXPECT_FALSE(model.statusMessage().has_value());
    EXPECT_TRUE(settingsStore.saves().empty());
    EXPECT_EQ(repository.saveCount(), 0);
    EXPECT_EQ(groups.saveCount(), 0);
    EXPECT_EQ(model.onboardingMode(), OnboardingMode::full);
    EXPECT_TRUE(unlocker.reasons().empty());
}

TEST_F(StartUpTest, OverlappingAndLaterStartsShareTheOneStart) {
    QuorbitViewModel& model = makeViewModel();
    QSignalSpy started(&model, &QuorbitViewModel::started);
    QCoro::Task<> first = model.start();
    QCoro::Task<> second = model.start();  // begins while the first waits for the migration
    run(std::move(second));
    EXPECT_TRUE(model.isStarted());
    run(std::move(first));
    run(model.start());
    EXPECT_EQ(migration.runCount(), 1);
    EXPECT_EQ(sessionEvents.watchCount(), 1);
    EXPECT_EQ(started.count(), 1);
}

TEST_F(StartUpTest, OnlyStoredAccountsOutsideTheTrashAskForTheShortIntroduction) {
    OtpAccount trashed = storedAccount("Trashed", "t");
    trashed.trashedAt = startTime;
    repository.setAccounts({trashed});
    run(makeViewModel().start());
    EXPECT_EQ(viewModel->onboardingMode(), OnboardingMode::full);

    store("Kept", "k");
    run(makeViewModel().start());
    EXPECT_EQ(viewModel->onboardingMode(), OnboardingMode::shortIntro);
}

TEST_F(StartUpTest, AFailedMigrationBecomesTheStatusAndStartGoesOn) {
    migration.failWith(QuorbitError::persistenceFailure("disk gone"));
    QuorbitViewModel& model = makeEnglishViewModel();
    run(model.start());
    EXPECT_TRUE(model.isStarted());
    EXPECT_EQ(model.statusMessage(), describe(QuorbitError::persistenceFailure("disk gone")));
}

}  // namespace
}  // namespace quorbit::test
