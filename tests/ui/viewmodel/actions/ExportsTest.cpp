#include <gtest/gtest.h>

#include <functional>

#include "application/usecases/CreateRecoveryKit.h"
#include "ui/viewmodel/DataActionsFixture.h"

namespace quorbit::test {
namespace {

using ExportsTest = DataActionsFixture;
using Kind = SecurityEventKind;

const std::filesystem::path exportPath = "/exports/out";

std::vector<std::string> issuersOf(const BackupPayload& payload) {
    std::vector<std::string> issuers;
    for (const BackupAccount& account : payload.accounts) issuers.push_back(account.issuer);
    return issuers;
}

TEST_F(ExportsTest, SelectiveExportOfNothingOnlySaysSo) {
    QuorbitViewModel& vm = model();
    vm.exportSelectedAccounts({});
    EXPECT_EQ(vm.statusMessage(), "No accounts selected.");
    EXPECT_TRUE(dialogs.alerts().empty());
    EXPECT_TRUE(dialogs.passwordPrompts().empty());
}

TEST_F(ExportsTest, SelectiveExportWritesTheAccountsFoundAndLogsTheIdsAskedFor) {
    const OtpAccount a = store("A", "a");
    store("Unselected", "u");
    OtpAccount trashed = storedAccount("T", "t");
    trashed.trashedAt = startTime;
    secrets.saveSecret(SecretBytes::fromText("trashed"), trashed.secretRef);
    repository.appendAccount(trashed);
    QuorbitViewModel& vm = model();
    dialogs.answerPassword(SecretBytes::fromText("pw"));
    dialogs.answerSavePanel(exportPath);

    vm.exportSelectedAccounts({a.id, trashed.id, Uuid::random()});

    ASSERT_TRUE(waitForStatus("Backup exported"));
    EXPECT_EQ(issuersOf(open(exportPath, "pw")), (std::vector<std::string>{"A", "T"}));
    EXPECT_EQ(dialogs.alerts().front().message, "Before selective export");
    EXPECT_EQ(dialogs.passwordPrompts().front().title, "Export Selected");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !events.events().empty(); }));
    EXPECT_EQ(loggedEvents(), (std::vector<std::pair<Kind, std::string>>{
                                  {Kind::selectedAccountsExported, "Exported 3 selected accounts"}}));
}

TEST_F(ExportsTest, PlainExportOfOnlyTrashedAccountsWritesAnEmptyFile) {
    OtpAccount trashed = storedAccount("T", "t");
    trashed.trashedAt = startTime;
    repository.appendAccount(trashed);
    QuorbitViewModel& vm = model();
    dialogs.answerSavePanel(exportPath);

    vm.exportOtpAuthURIs();

    ASSERT_TRUE(waitForStatus("Standard export saved"));
    EXPECT_EQ(files.file(exportPath), std::vector<std::uint8_t>{});
    EXPECT_EQ(dialogs.alerts().front().style, DialogPresenter::AlertStyle::warning);
    EXPECT_EQ(dialogs.savePanels().front().proposedName, "Quorbit-otpauth.txt");
    EXPECT_TRUE(events.events().empty());
}

TEST_F(ExportsTest, RecoveryKitUsesTheCurrentBackupSettings) {
    store("A", "a");
    QuorbitViewModel& vm = model();
    AppSettings changed = vm.settings();
    changed.backupPBKDF2Iterations = 250'000;
    changed.backupSaltBytes = 48;
    vm.setSettings(changed);
    dialogs.answerPassword(SecretBytes::fromText("pw"));

    vm.createRecoveryKit("/kits");

    ASSERT_TRUE(waitForStatus("Recovery Kit successfully created."));
    EXPECT_EQ(cipherRequests, (std::vector<CipherRequest>{{250'000, 48}}));
    EXPECT_EQ(issuersOf(open(std::filesystem::path("/kits") / CreateRecoveryKit::backupFileName, "pw")),
              std::vector<std::string>{"A"});
    EXPECT_TRUE(files.file(std::filesystem::path("/kits") / CreateRecoveryKit::checksumFileName).has_value());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !events.events().empty(); }));
    EXPECT_EQ(loggedEvents(), (std::vector<std::pair<Kind, std::string>>{
                                  {Kind::recoveryKitCreated, "Recovery Kit created successfully"}}));
}

const std::string exportReason = "Unlock locally to export your accounts.";
const std::string deleteReason = "Unlock locally to delete accounts.";

// Every road that reads secrets or deletes accounts asks the owner first, saying what for; a
// refusal stops it with the locked text before anything is read, written or deleted.
TEST_F(ExportsTest, ALockedVaultIsUnlockedBeforeSecretsAreReadOrAccountsDeleted) {
    const std::vector<std::pair<std::string, std::function<void(QuorbitViewModel&)>>> roads{
        {"plain export",
         [&](QuorbitViewModel& vm) {
             dialogs.answerSavePanel(exportPath);
             vm.exportOtpAuthURIs();
         }},
        {"encrypted export",
         [&](QuorbitViewModel& vm) {
             dialogs.answerPassword(SecretBytes::fromText("pw"));
             dialogs.answerSavePanel(exportPath);
             vm.exportEncryptedBackup();
         }},
        {"selective export",
         [&](QuorbitViewModel& vm) {
             dialogs.answerPassword(SecretBytes::fromText("pw"));
             dialogs.answerSavePanel(exportPath);
             vm.exportSelectedAccounts({repository.accounts().front().id});
         }},
        {"recovery kit",
         [&](QuorbitViewModel& vm) {
             dialogs.answerPassword(SecretBytes::fromText("pw"));
             vm.createRecoveryKit("/kits");
         }},
        {"delete all", [&](QuorbitViewModel& vm) { vm.deleteAllTokensWithConfirmation(); }},
        {"permanent deletion",
         [&](QuorbitViewModel& vm) {
             detachTask(vm.performLifecycleAction(DataLifecycleAction::deletePermanently(),
                                                  {repository.accounts().front().id}));
         }},
        {"empty trash",
         [&](QuorbitViewModel& vm) { detachTask(vm.performLifecycleAction(DataLifecycleAction::emptyTrash(), {})); }},
    };
    OtpAccount account = store("A", "a");
    account.trashedAt = startTime;
    repository.setAccounts({account});
    unlocker.setAccepts(false);
    for (const auto& [name, road] : roads) {
        QuorbitViewModel& vm = model();
        const auto asked = unlocker.reasons().size();
        road(vm);
        EXPECT_TRUE(waitForStatus(describe(QuorbitError::Case::locked))) << name;
        EXPECT_EQ(unlocker.reasons().size(), asked + 1) << name;
        EXPECT_EQ(unlocker.reasons().back(),
                  name.ends_with("export") || name == "recovery kit" ? exportReason : deleteReason)
            << name;
        EXPECT_FALSE(files.file(exportPath).has_value()) << name;
        EXPECT_FALSE(files.file(std::filesystem::path("/kits") / CreateRecoveryKit::backupFileName).has_value())
            << name;
        EXPECT_TRUE(cipherRequests.empty()) << name;
        EXPECT_EQ(repository.accounts().size(), 1u) << name;
        EXPECT_TRUE(secrets.contains(account.secretRef)) << name;
        EXPECT_TRUE(events.events().empty()) << name;
    }
}

// Locked, an export asks the owner before its own questions: nobody types a backup password or
// picks a file for an export the owner then refuses.
TEST_F(ExportsTest, AnExportAsksTheOwnerBeforeItsQuestions) {
    const std::vector<std::pair<std::string, std::function<void(QuorbitViewModel&)>>> roads{
        {"plain export", [](QuorbitViewModel& vm) { vm.exportOtpAuthURIs(); }},
        {"encrypted export", [](QuorbitViewModel& vm) { vm.exportEncryptedBackup(); }},
        {"selective export",
         [&](QuorbitViewModel& vm) { vm.exportSelectedAccounts({repository.accounts().front().id}); }},
        {"recovery kit", [](QuorbitViewModel& vm) { vm.createRecoveryKit("/kits"); }},
    };
    store("A", "a");
    unlocker.setAccepts(false);
    for (const auto& [name, road] : roads) {
        QuorbitViewModel& vm = model();
        road(vm);
        EXPECT_TRUE(waitForStatus(describe(QuorbitError::Case::locked))) << name;
        EXPECT_EQ(unlocker.reasons().back(), exportReason) << name;
        EXPECT_TRUE(dialogs.alerts().empty()) << name;
        EXPECT_TRUE(dialogs.passwordPrompts().empty()) << name;
        EXPECT_TRUE(dialogs.savePanels().empty()) << name;
    }

    // Accepted, the questions follow the unlock and the export is written.
    unlocker.setAccepts(true);
    QuorbitViewModel& vm = model();
    dialogs.answerPassword(SecretBytes::fromText("pw"));
    dialogs.answerSavePanel(exportPath);
    vm.exportEncryptedBackup();
    ASSERT_TRUE(waitForStatus("Backup exported"));
    EXPECT_EQ(issuersOf(open(exportPath, "pw")), std::vector<std::string>{"A"});
}

}  // namespace
}  // namespace quorbit::test
