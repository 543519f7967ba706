#include "application/usecases/CreateRecoveryKit.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "TemporaryHome.h"
#include "application/usecases/ImportBackup.h"
#include "domain/BackupPayload.h"
#include "domain/QuorbitError.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"
#include "infrastructure/files/AtomicDocumentFiles.h"
#include "lib/Base32Codec.h"
#include "support/FakeClock.h"
#include "support/FakeSecretStore.h"
#include "support/FakeTokenRepository.h"
#include "support/ThrownError.h"

namespace quorbit {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

const std::string backupName(CreateRecoveryKit::backupFileName);
const std::string manifestName(CreateRecoveryKit::manifestFileName);
const std::string readmeName(CreateRecoveryKit::readmeFileName);
const std::string checksumName(CreateRecoveryKit::checksumFileName);

// 2023-11-14T22:13:20Z, which is 721,692,800 s after 2001-01-01T00:00:00Z.
const TimePoint kitTime{std::chrono::seconds(1'700'000'000)};

// Moves on one second at every reading, so each step's reading of the time can be told apart.
class TickingClock final : public Clock {
public:
    explicit TickingClock(TimePoint start) : start_(start) {}
    TimePoint now() const override { return start_ + std::chrono::seconds(readings_++); }

private:
    TimePoint start_;
    mutable int readings_ = 0;
};

// Real files, except that the write of one named file fails as a full disk would.
class FailingDocumentFiles final : public DocumentFiles {
public:
    explicit FailingDocumentFiles(std::string failingName) : failingName_(std::move(failingName)) {}

    void writeAtomically(const fs::path& target, std::span<const std::uint8_t> bytes) override {
        if (target.filename() == failingName_) throw QuorbitError::fileWriteFailed("No space left on device");
        real_.writeAtomically(target, bytes);
    }
    std::optional<std::vector<std::uint8_t>> readWhole(const fs::path& source, std::size_t byteLimit) override {
        return real_.readWhole(source, byteLimit);
    }

private:
    std::string failingName_;
    AtomicDocumentFiles real_;
};

struct ChecksumRun {
    int exitCode = -1;
    std::string output;
};

// The standard checker, run inside the kit folder as a user would.
ChecksumRun verifyWithSha256sum(const fs::path& folder) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(folder.string()));
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("sha256sum"), {QStringLiteral("-c"), QString::fromStdString(checksumName)});
    if (!process.waitForFinished(30'000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "sha256sum did not run: " << process.errorString().toStdString();
        return {};
    }
    return {process.exitCode(), process.readAll().toStdString()};
}

std::set<std::string> fileNamesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& item : fs::directory_iterator(folder)) names.insert(item.path().filename().string());
    return names;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

struct RecoveryKitTest : ::testing::Test {
    test::TemporaryHome home;
    fs::path kitFolder = home.root() / "kit";
    test::FakeTokenRepository repository;
    test::FakeSecretStore secretStore;
    Base32Codec codec;
    test::FakeClock clock{kitTime};
    EncryptedBackupCryptoService crypto{1000, 16};
    AtomicDocumentFiles files;
    SecretBytes password = SecretBytes::fromText("kit password");

    RecoveryKitTest() {
        fs::create_directories(kitFolder);
        addAccount("GitHub", "octo", false);
        addAccount("Old", "gone", true);
        addAccount("Mail", "me", false);
    }

    void addAccount(std::string issuer, std::string name, bool trashed) {
        OtpAccount account;
        account.id = Uuid::random();
        account.issuer = std::move(issuer);
        account.accountName = std::move(name);
        account.secretRef = OtpSecretRef{Uuid::random().toString()};
        account.createdAt = kitTime - std::chrono::hours(1);
        account.updatedAt = account.createdAt;
        if (trashed) account.trashedAt = kitTime;
        secretStore.saveSecret(SecretBytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, account.secretRef);
        repository.appendAccount(account);
    }

    fs::path createKit(const fs::path& folder, const Clock& kitClock, DocumentFiles& kitFiles,
                       std::optional<std::string> version = "3.1.4", std::optional<std::string> build = "77") {
        return CreateRecoveryKit(repository, secretStore, codec, crypto, kitClock, kitFiles, std::move(version),
                                 std::move(build))
            .execute(password, folder);
    }
    fs::path createKit() { return createKit(kitFolder, clock, files); }

    std::vector<std::uint8_t> backupBytes(const fs::path& folder) {
        return ImportBackup::readBackupFile(files, folder / backupName);
    }
    BackupInfo backupInfo(const SecretBytes& withPassword) {
        return ImportBackup(repository, secretStore, codec, crypto, clock)
            .getBackupInfo(backupBytes(kitFolder), withPassword);
    }
    nlohmann::json manifest() { return nlohmann::json::parse(readFile(kitFolder / manifestName)); }
};

TEST_F(RecoveryKitTest, WritesExactlyTheFourFilesOwnerOnlyIntoTheChosenFolder) {
    EXPECT_EQ(createKit(), kitFolder);

    EXPECT_EQ(fileNamesIn(kitFolder), (std::set<std::string>{backupName, manifestName, readmeName, checksumName}));
    for (const auto& name : fileNamesIn(kitFolder)) EXPECT_EQ(test::modeOf(kitFolder / name), 0600u) << name;
}

TEST_F(RecoveryKitTest, BackupHoldsTheAccountsOutsideTheTrashAndOpensWithThePassword) {
    createKit();

    EXPECT_EQ(backupInfo(password).accountCount, 2);
    const BackupPayload payload = crypto.decrypt(backupBytes(kitFolder), password);
    ASSERT_EQ(payload.accounts.size(), 2u);
    EXPECT_EQ(payload.accounts[0].issuer, "GitHub");
    EXPECT_EQ(payload.accounts[1].issuer, "Mail");
    EXPECT_EQ(payload.accounts[0].secretBase32.asText(), "AEBAGBAFAYDQQCIK");
}

TEST_F(RecoveryKitTest, AVaultWithEveryAccountInTheTrashGivesACompleteKitWithoutAccounts) {
    std::vector<OtpAccount> accounts = repository.accounts();
    for (OtpAccount& account : accounts) account.trashedAt = kitTime;
    repository.setAccounts(accounts);

    createKit();

    EXPECT_EQ(fileNamesIn(kitFolder).size(), 4u);
    EXPECT_EQ(backupInfo(password).accountCount, 0);
    EXPECT_EQ(verifyWithSha256sum(kitFolder).exitCode, 0);
}

TEST_F(RecoveryKitTest, ChecksumListVerifiesWithTheStandardChecker) {
    createKit();

    const ChecksumRun run = verifyWithSha256sum(kitFolder);
    EXPECT_EQ(run.exitCode, 0) << run.output;

    const std::vector<std::string> lines = linesOf(readFile(kitFolder / checksumName));
    ASSERT_EQ(lines.size(), 4u) << "three lines, each ending with a line break";
    EXPECT_EQ(lines[3], "");
    const std::string names[] = {backupName, manifestName, readmeName};
    for (std::size_t index = 0; index < 3; ++index) {
        EXPECT_EQ(lines[index].size(), 64 + 2 + names[index].size()) << lines[index];
        EXPECT_EQ(lines[index].substr(64), "  " + names[index]);
        EXPECT_EQ(lines[index].find_first_not_of("0123456789abcdef"), 64u) << lines[index];
    }
}

TEST_F(RecoveryKitTest, ChangingOneByteOfAListedFileFailsItsLine) {
    const std::string listed[] = {backupName, manifestName, readmeName};
    for (std::size_t index = 0; index < std::size(listed); ++index) {
        const std::string& tampered = listed[index];
        SCOPED_TRACE(tampered);
        const fs::path folder = home.root() / ("tampered-" + std::to_string(index));
        fs::create_directories(folder);
        createKit(folder, clock, files);
        std::string content = readFile(folder / tampered);
        content[content.size() / 2] ^= 0x01;
        writeFile(folder / tampered, content);

        const ChecksumRun run = verifyWithSha256sum(folder);

        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_NE(run.output.find(tampered + ": FAILED"), std::string::npos) << run.output;
    }
}

TEST_F(RecoveryKitTest, ReadmeIsTheRussianTextEndingWithTheCreationDate) {
    createKit();
    const std::string readme = readFile(kitFolder / readmeName);

    const std::vector<std::string> lines = linesOf(readme);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines.front(), "НАБОР ДЛЯ ВОССТАНОВЛЕНИЯ Quorbit");
    EXPECT_EQ(lines[1], std::string(40, '='));
    EXPECT_EQ(lines[18], "3. Выберите \"Импорт резервной копии\" и укажите файл Quorbit.quorbitbackup.");
    EXPECT_EQ(lines.back(), "Дата создания: 2023-11-14T22:13:20Z") << "no line break after the date";
}

TEST_F(RecoveryKitTest, ManifestIsOneLineWithTheDateInSecondsSince2001) {
    clock.set(kitTime + std::chrono::milliseconds(500));
    createKit();

    const std::string text = readFile(kitFolder / manifestName);
    EXPECT_EQ(text.find('\n'), std::string::npos) << text;
    const nlohmann::json json = nlohmann::json::parse(text);
    ASSERT_TRUE(json.is_object());
    EXPECT_EQ(json.size(), 3u) << text;
    ASSERT_TRUE(json.contains("createdAt"));
    EXPECT_TRUE(json["createdAt"].is_number_float()) << text;
    EXPECT_DOUBLE_EQ(json["createdAt"].get<double>(), 721'692'800.5);
}

TEST_F(RecoveryKitTest, BackupManifestAndReadmeEachReadTheTimeInThatOrder) {
    const TickingClock ticking(kitTime);
    createKit(kitFolder, ticking, files);

    EXPECT_EQ(backupInfo(password).exportedAt, kitTime);
    EXPECT_DOUBLE_EQ(manifest()["createdAt"].get<double>(), 721'692'801.0);
    EXPECT_EQ(linesOf(readFile(kitFolder / readmeName)).back(), "Дата создания: 2023-11-14T22:13:22Z");
}

struct ManifestVersionCase {
    const char* name;
    std::optional<std::string> version;
    std::optional<std::string> build;
    std::string expectedVersion;
    std::string expectedBuild;
};

void PrintTo(const ManifestVersionCase& testCase, std::ostream* out) { *out << testCase.name; }

struct RecoveryKitManifestVersionTest : RecoveryKitTest, ::testing::WithParamInterface<ManifestVersionCase> {};

TEST_P(RecoveryKitManifestVersionTest, NamesTheProgramVersionWithFallbacks) {
    createKit(kitFolder, clock, files, GetParam().version, GetParam().build);

    EXPECT_EQ(manifest()["appVersion"], GetParam().expectedVersion);
    EXPECT_EQ(manifest()["appBuild"], GetParam().expectedBuild);
}

INSTANTIATE_TEST_SUITE_P(Versions, RecoveryKitManifestVersionTest,
                         ::testing::Values(ManifestVersionCase{"given", "3.1.4", "77", "3.1.4", "77"},
                                           ManifestVersionCase{"both_missing", std::nullopt, std::nullopt, "2.0.0",
                                                               "12"},
                                           ManifestVersionCase{"build_missing", "3.1.4", std::nullopt, "3.1.4", "12"}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(RecoveryKitTest, ASecondKitInTheSameFolderReplacesEveryFile) {
    createKit();
    writeFile(kitFolder / readmeName, "an older read-me");
    ::chmod((kitFolder / readmeName).c_str(), 0644);
    addAccount("New", "one", false);
    password = SecretBytes::fromText("second password");
    clock.set(kitTime + std::chrono::hours(1));

    createKit();

    EXPECT_EQ(fileNamesIn(kitFolder).size(), 4u);
    EXPECT_EQ(backupInfo(password).accountCount, 3);
    EXPECT_EQ(backupInfo(password).exportedAt, kitTime + std::chrono::hours(1));
    EXPECT_DOUBLE_EQ(manifest()["createdAt"].get<double>(), 721'696'400.0);
    EXPECT_EQ(linesOf(readFile(kitFolder / readmeName)).back(), "Дата создания: 2023-11-14T23:13:20Z");
    EXPECT_EQ(test::modeOf(kitFolder / readmeName), 0600u);
    const ChecksumRun run = verifyWithSha256sum(kitFolder);
    EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST_F(RecoveryKitTest, AFolderThatCannotExistFailsAsAFileWrite) {
    writeFile(home.root() / "a-file", "not a folder");

    const QuorbitError error = test::thrownError([&] { createKit(home.root() / "a-file" / "kit", clock, files); });

    EXPECT_EQ(error.errorCase(), QuorbitError::Case::fileWriteFailed);
}

TEST_F(RecoveryKitTest, AFailedWriteLeavesTheFilesWrittenBeforeIt) {
    FailingDocumentFiles fullDisk(readmeName);

    const QuorbitError error = test::thrownError([&] { createKit(kitFolder, clock, fullDisk); });

    EXPECT_EQ(error, QuorbitError::fileWriteFailed("No space left on device"));
    EXPECT_EQ(fileNamesIn(kitFolder), (std::set<std::string>{backupName, manifestName}));
}

TEST_F(RecoveryKitTest, AnExportFailureWritesNothing) {
    const QuorbitError denied = QuorbitError::keychainFailure("denied");
    secretStore.failLoadsWith(denied);

    EXPECT_EQ(test::thrownError([&] { createKit(); }), denied);
    EXPECT_TRUE(fileNamesIn(kitFolder).empty());
}

}  // namespace
}  // namespace quorbit
