#include <gtest/gtest.h>

#include <fstream>

#include <QTemporaryDir>

#include "ui/viewmodel/DataActionsFixture.h"

namespace quorbit::test {
namespace {

using LifecycleActionsTest = DataActionsFixture;
using Kind = SecurityEventKind;

TEST_F(LifecycleActionsTest, PermanentDeletionLogsEveryIdThenTheBulkCountAndReloads) {
    const OtpAccount a = store("A", "a");
    const OtpAccount b = store("B", "b");
    const OtpAccount kept = store("Kept", "k");
    const Uuid gone = Uuid::random();  // counted although no account has it
    QuorbitViewModel& vm = model();
    const std::set<Uuid> ids{a.id, b.id, gone};

    run(vm.performLifecycleAction(DataLifecycleAction::deletePermanently(), ids));

    const auto logged = events.events();
    ASSERT_EQ(logged.size(), 4u);
    std::vector<Uuid> perAccount;
    for (std::size_t index = 0; index < 3; ++index) {
        EXPECT_EQ(logged[index].kind, Kind::accountDeletedPermanently);
        EXPECT_EQ(logged[index].message, "Permanently deleted in bulk action");
        perAccount.push_back(*logged[index].accountId);
    }
    EXPECT_EQ(perAccount, std::vector<Uuid>(ids.begin(), ids.end()));
    EXPECT_EQ(logged[3].kind, Kind::bulkActionCompleted);
    EXPECT_EQ(logged[3].message, "Bulk deleted 3 accounts");
    EXPECT_EQ(vm.accounts(), std::vector<OtpAccount>{kept});
    EXPECT_FALSE(secrets.contains(a.secretRef));
}

TEST_F(LifecycleActionsTest, EmptyingTheTrashIgnoresTheGivenIds) {
    OtpAccount trashed = storedAccount("Old", "o");
    trashed.trashedAt = startTime;
    repository.appendAccount(trashed);
    const OtpAccount active = store("Active", "a");
    QuorbitViewModel& vm = model();

    run(vm.performLifecycleAction(DataLifecycleAction::emptyTrash(), {active.id}));

    EXPECT_EQ(repository.accounts(), std::vector<OtpAccount>{active});
    EXPECT_EQ(loggedEvents(), (std::vector<std::pair<Kind, std::string>>{{Kind::trashEmptied, "Trash emptied"}}));
}

TEST_F(LifecycleActionsTest, BulkMessagesCountTheIdsHandedIn) {
    const OtpAccount account = store("A", "a");
    struct Case {
        DataLifecycleAction action;
        std::set<Uuid> ids;
        std::string message;
    };
    const std::vector<Case> cases{
        {DataLifecycleAction::addTag("Work"), {}, "Bulk added tag to 0 accounts"},
        {DataLifecycleAction::moveToTrash(), {account.id, Uuid::random()}, "Bulk moved 2 accounts to trash"},
        {DataLifecycleAction::restore(), {account.id}, "Bulk restored 1 accounts"},
    };
    QuorbitViewModel& vm = model();
    for (const Case& test : cases) {
        events.clearEvents();
        run(vm.performLifecycleAction(test.action, test.ids));
        const std::vector<std::pair<Kind, std::string>> expected{{Kind::bulkActionCompleted, test.message}};
        EXPECT_EQ(loggedEvents(), expected) << test.message;
    }
}

TEST_F(LifecycleActionsTest, AFailingActionWritesNoEventAndShowsTheError) {
    const OtpAccount account = store("A", "a");
    repository.failSavesWith(QuorbitError::persistenceFailure("disk full"));
    QuorbitViewModel& vm = model();

    run(vm.performLifecycleAction(DataLifecycleAction::moveToTrash(), {account.id}));

    EXPECT_TRUE(events.events().empty());
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::persistenceFailure));
}

// The change is stored before the reload asks for the owner, so its event must be there even
// when that unlock is refused.
TEST_F(LifecycleActionsTest, TheEventFollowsTheChangeEvenWhenTheReloadFails) {
    OtpAccount trashed = storedAccount("A", "a");
    trashed.trashedAt = startTime;
    repository.appendAccount(trashed);
    unlocker.setAccepts(false);
    QuorbitViewModel& vm = model();

    run(vm.performLifecycleAction(DataLifecycleAction::restore(), {trashed.id}));

    EXPECT_FALSE(repository.accounts().front().isTrashed());
    EXPECT_EQ(loggedEvents(),
              (std::vector<std::pair<Kind, std::string>>{{Kind::bulkActionCompleted, "Bulk restored 1 accounts"}}));
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::locked));
}

TEST_F(LifecycleActionsTest, DiagnosticsCreatesTheDataFolderAndOpensIt) {
    QTemporaryDir home;
    dataFolder = std::filesystem::path(home.path().toStdString()) / "share" / "Quorbit";
    QuorbitViewModel& vm = model();

    vm.openDiagnostics();

    EXPECT_TRUE(std::filesystem::is_directory(dataFolder));
    EXPECT_EQ(std::filesystem::status(dataFolder).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    ASSERT_EQ(desktop.opened().size(), 1);
    EXPECT_EQ(desktop.opened().front().toLocalFile().toStdString(), dataFolder.string());
    EXPECT_EQ(vm.statusMessage(), "Diagnostics folder opened");
}

TEST_F(LifecycleActionsTest, DiagnosticsReportsAFolderNothingCouldOpenOrCreate) {
    QTemporaryDir home;
    const std::filesystem::path root(home.path().toStdString());
    {
        dataFolder = root / "Quorbit";
        desktop.setSucceeds(false);
        QuorbitViewModel& vm = model();
        vm.openDiagnostics();
        EXPECT_EQ(vm.statusMessage(),
                  QString::fromStdString("Diagnostics error: no file manager could open " + dataFolder.string()));
    }
    {
        std::ofstream(root / "file") << "not a folder";
        dataFolder = root / "file" / "Quorbit";
        desktop.setSucceeds(true);
        QuorbitViewModel& vm = model();
        const auto openedBefore = desktop.opened().size();
        vm.openDiagnostics();
        EXPECT_TRUE(vm.statusMessage()->startsWith("Diagnostics error: "));
        EXPECT_EQ(desktop.opened().size(), openedBefore);
    }
}

}  // namespace
}  // namespace quorbit::test
