#include <gtest/gtest.h>

#include <QSignalSpy>

#include "ui/viewmodel/ViewModelFixture.h"

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

// A store that set its unreadable file aside tells which file went where, once.
TEST_F(StartUpTest, AFileSetAsideIsNamedWithItsCopyAndFolder) {
    QuorbitViewModel& model = makeViewModel();
    model.reportFileSetAside("/home/owner/.local/share/Quorbit/groups.json",
                             "/home/owner/.local/share/Quorbit/groups.json.corrupt-20261210T101500Z");
    const QString told = QStringLiteral(
        "\"groups.json\" could not be read. It was set aside as \"groups.json.corrupt-20261210T101500Z\" in "
        "/home/owner/.local/share/Quorbit, and a new one was started.");
    EXPECT_EQ(model.statusMessage(), told);
    ASSERT_EQ(dialogs.warnings().size(), 1u);
    EXPECT_EQ(QString::fromStdString(dialogs.warnings()[0].first), told);
}

}  // namespace
}  // namespace quorbit::test
