#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

#include "domain/BackupInfo.h"
#include "ui/viewmodel/DataActionsFixture.h"
#include "ui/viewmodel/actions/BackupTransfer.h"

namespace quorbit::test {
namespace {

using BackupTransferTest = DataActionsFixture;
using Kind = SecurityEventKind;

const std::filesystem::path backupPath = "/backups/Quorbit.quorbitbackup";

TEST_F(BackupTransferTest, ACancelledPasswordEndsEitherRoadWithNothingChanged) {
    QuorbitViewModel& vm = model();
    vm.exportEncryptedBackup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.passwordPrompts().size() == 1; })) << "after the unlock";
    EXPECT_TRUE(dialogs.savePanels().empty());

    files.putFile(backupPath, backupOf("pw"));
    dialogs.answerOpenPanel(backupPath);
    vm.importEncryptedBackup();

    EXPECT_EQ(dialogs.passwordPrompts().size(), 2u);
    EXPECT_FALSE(vm.statusMessage().has_value());
    EXPECT_TRUE(dialogs.alerts().empty());
    EXPECT_TRUE(repository.accounts().empty());
}

// Whatever the settings file holds, a new backup derives its key within safe bounds, from the
// settings of the moment the save panel closed.
TEST_F(BackupTransferTest, ExportUsesTheSettingsOfTheMomentWithinBounds) {
    struct Case {
        std::int64_t iterations;
        std::int64_t saltBytes;
        CipherRequest expected;
    };
    const std::vector<Case> cases{
        {150'000, 32, {150'000, 32}},
        {50, 8, {100'000, 16}},
        {20'000'000, 5000, {10'000'000, 1024}},
    };
    store("A", "a");
    QuorbitViewModel& vm = model();
    for (const Case& test : cases) {
        AppSettings changed = vm.settings();
        changed.backupPBKDF2Iterations = test.iterations;
        changed.backupSaltBytes = test.saltBytes;
        vm.setSettings(changed);
        vm.setStatusMessage(std::nullopt);
        cipherRequests.clear();
        dialogs.answerPassword(SecretBytes::fromText("pw"));
        dialogs.answerSavePanel(backupPath);

        vm.exportEncryptedBackup();

        ASSERT_TRUE(waitForStatus("Backup exported")) << test.iterations;
        EXPECT_EQ(cipherRequests, std::vector<CipherRequest>{test.expected}) << test.iterations;
    }
    EXPECT_EQ(open(backupPath, "pw").accounts.size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return events.events().size() == cases.size(); }));
    EXPECT_EQ(loggedEvents().front(), std::make_pair(Kind::backupCreated, std::string("Encrypted backup exported")));
}

TEST_F(BackupTransferTest, ImportingOnlyDuplicatesReportsAndLogsZero) {
    store("A", "a");
    files.putFile(backupPath, backupOf("pw"));
    QuorbitViewModel& vm = model();
    dialogs.answerOpenPanel(backupPath);
    dialogs.answerPassword(SecretBytes::fromText("pw"));

    vm.importEncryptedBackup();

    ASSERT_TRUE(waitForStatus("Imported 0 tokens"));
    EXPECT_EQ(repository.accounts().size(), 1u);
    EXPECT_EQ(dialogs.alerts().back().message, "Backup Information");
    EXPECT_EQ(loggedEvents(), (std::vector<std::pair<Kind, std::string>>{
                                  {Kind::backupImported, "Imported 0 accounts from encrypted backup"}}));
}

// The user confirms what the summary showed; a file swapped in behind the dialog is not read.
TEST_F(BackupTransferTest, ImportsTheBytesWhoseSummaryWasConfirmed) {
    store("Shown", "s");
    const auto shown = backupOf("pw");
    repository.setAccounts({});
    store("Swapped", "w");
    const auto swapped = backupOf("pw");
    repository.setAccounts({});
    files.putFile(backupPath, shown);
    dialogs.observeAlerts([&](const DialogPresenter::Alert& alert) {
        if (alert.message == "Backup Information") files.putFile(backupPath, swapped);
    });
    QuorbitViewModel& vm = model();
    dialogs.answerOpenPanel(backupPath);
    dialogs.answerPassword(SecretBytes::fromText("pw"));

    vm.importEncryptedBackup();

    ASSERT_TRUE(waitForStatus("Imported 1 tokens"));
    ASSERT_EQ(repository.accounts().size(), 1u);
    EXPECT_EQ(repository.accounts().front().issuer, "Shown");
}

TEST_F(BackupTransferTest, UntrustedFilesFailBeforeTheSummary) {
    struct Case {
        std::string name;
        std::vector<std::uint8_t> bytes;
        QuorbitError::Case expected;
    };
    store("A", "a");
    std::vector<Case> cases;
    cases.push_back(
        {"oversized", std::vector<std::uint8_t>(64 * 1024 * 1024 + 1, '{'), QuorbitError::Case::corruptedBackup});
    cases.push_back({"wrong password", backupOf("other"), QuorbitError::Case::wrongBackupPassword});
    QuorbitViewModel& vm = model();
    for (Case& test : cases) {
        files.putFile(backupPath, std::move(test.bytes));
        dialogs.answerOpenPanel(backupPath);
        dialogs.answerPassword(SecretBytes::fromText("pw"));
        vm.setStatusMessage(std::nullopt);

        vm.importEncryptedBackup();

        EXPECT_EQ(vm.statusMessage(), "Checking backup...") << test.name;
        EXPECT_TRUE(waitForStatus(describe(test.expected))) << test.name;
        EXPECT_TRUE(dialogs.alerts().empty()) << test.name;
    }
    EXPECT_TRUE(events.events().empty());
}

TEST_F(BackupTransferTest, TheSummaryWarnsBelowOneHundredThousandIterations) {
    // A cipher that opens any envelope: the summary depends on the envelope alone.
    class OpensAnything final : public BackupCryptoService {
    public:
        std::vector<std::uint8_t> encrypt(const BackupPayload&, const SecretBytes&) override { return {}; }
        BackupPayload decrypt(std::span<const std::uint8_t>, const SecretBytes&) override { return {}; }
    } opensAnything;
    backupOpening = &opensAnything;
    QuorbitViewModel& vm = model();
    for (const auto& [iterations, warns] : std::vector<std::pair<int, bool>>{{99'999, true}, {100'000, false}}) {
        const std::string envelope = R"({"iterations":)" + std::to_string(iterations) +
                                     R"(,"kdf":"PBKDF2-HMAC-SHA256","salt":"AAAAAAAAAAAAAAAAAAAAAA==","saltBytes":16,)"
                                     R"("sealedBox":"AAAA","version":1})";
        files.putFile(backupPath, {envelope.begin(), envelope.end()});
        dialogs.answerOpenPanel(backupPath);
        dialogs.answerPassword(SecretBytes::fromText("pw"));
        dialogs.answerAlertWithFirstButton(false);
        const auto shown = dialogs.alerts().size();

        vm.importEncryptedBackup();

        ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.alerts().size() > shown; })) << iterations;
        const auto& summary = dialogs.alerts().back();
        EXPECT_EQ(summary.checkBoxTitle, warns ? std::optional<std::string>("Low iterations") : std::nullopt);
        EXPECT_EQ(summary.style, DialogPresenter::AlertStyle::informational);
    }
    EXPECT_TRUE(repository.accounts().empty());
}

// A long date as the summary gives it: month name and year, no weekday.
TEST(BackupSummaryTest, TheCreatedDateIsLongWithoutAWeekday) {
    const QLocale kept;
    const BackupInfo info{startTime, 3, "PBKDF2-HMAC-SHA256", 120000, 16, 1};
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(startTime.time_since_epoch()).count();
    const QDate date = QDateTime::fromSecsSinceEpoch(seconds).toLocalTime().date();
    for (const char* name : {"en_US", "ru_RU", "de_DE", "fr_FR"}) {
        SCOPED_TRACE(name);
        const QLocale locale(QString::fromLatin1(name));
        QLocale::setDefault(locale);
        const std::string summary = BackupTransfer::summaryText(info, AppLanguage::english);
        const QString created = QString::fromStdString(summary.substr(0, summary.find('\n')));
        EXPECT_FALSE(created.contains(locale.dayName(date.dayOfWeek()), Qt::CaseInsensitive));
        EXPECT_TRUE(created.contains(locale.monthName(date.month()))) << created.toStdString();
        EXPECT_TRUE(created.contains(QString::number(date.year())));
    }
    QLocale::setDefault(kept);
}

TEST(BackupSummaryTest, ListsTheFactsOnePerLine) {
    const BackupInfo info{startTime, 3, "PBKDF2-HMAC-SHA256", 120000, 16, 1};
    const std::string english = BackupTransfer::summaryText(info, AppLanguage::english);
    const auto firstLineEnd = english.find('\n');
    EXPECT_EQ(english.substr(0, 9), "Created: ");
    EXPECT_EQ(english.substr(firstLineEnd + 1),
              "Accounts: 3\nKey Derivation: PBKDF2-HMAC-SHA256\nIterations: 120000\nSalt: 16 Salt Length (bytes)");
    const std::string russian = BackupTransfer::summaryText(info, AppLanguage::russian);
    EXPECT_EQ(russian.substr(russian.find('\n') + 1),
              "Аккаунтов: 3\nАлгоритм: PBKDF2-HMAC-SHA256\nИтерации: 120000\nСоль: 16 Длина соли (байт)");
}

}  // namespace
}  // namespace quorbit::test
