#include "infrastructure/files/FileTokenRepository.h"

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "TemporaryHome.h"
#include "domain/QuorbitError.h"
#include "format/OtpAccountJson.h"
#include "infrastructure/files/LegacyAppMigration.h"
#include "infrastructure/files/XdgDataDirectory.h"

namespace quorbit {
namespace {

using test::modeOf;
using test::readFile;
using test::writeFile;

TimePoint at(std::int64_t seconds) { return TimePoint(std::chrono::seconds(seconds)); }

OtpAccount account(std::string issuer, std::string name, std::string secretRef) {
    OtpAccount result;
    result.id = Uuid::random();
    result.issuer = std::move(issuer);
    result.accountName = std::move(name);
    result.secretRef = OtpSecretRef{std::move(secretRef)};
    result.createdAt = at(1'700'000'000);
    result.updatedAt = at(1'700'000'100);
    return result;
}

void expectPersistenceFailure(const std::function<void()>& action) {
    try {
        action();
        ADD_FAILURE() << "expected persistenceFailure";
    } catch (const QuorbitError& error) {
        EXPECT_EQ(error.errorCase(), QuorbitError::Case::persistenceFailure);
        EXPECT_FALSE(error.detail().empty());
    }
}

class FileTokenRepositoryTest : public testing::Test {
protected:
    std::filesystem::path file() const { return home.dataHome() / "Quorbit" / "accounts.json"; }
    std::filesystem::path legacyFile() const { return home.dataHome() / "Tallyo" / "accounts.json"; }
    void writeLegacy(const std::vector<OtpAccount>& accounts) const {
        writeFile(legacyFile(), nlohmann::json(accounts).dump());
    }

    test::TemporaryHome home;
    FileTokenRepository repository{file(), legacyFile()};
};

TEST_F(FileTokenRepositoryTest, DefaultLocationsLieInTheUsersDataFolder) {
    EXPECT_EQ(XdgDataDirectory::userDirectory(), home.dataHome());
    EXPECT_EQ(FileTokenRepository::defaultFileURL(), file());
    EXPECT_EQ(FileTokenRepository::legacyFileURL(), legacyFile());
}

TEST_F(FileTokenRepositoryTest, AMissingFileLoadsAsAnEmptyList) { EXPECT_TRUE(repository.loadAccounts().empty()); }

TEST_F(FileTokenRepositoryTest, SavedAccountsLoadBackInOrderIntoNewFoldersOwnerOnly) {
    OtpAccount full = account("GitHub", "octo", "ref-1");
    full.type = OtpType::hotp;
    full.hotpCounter = 7;
    full.lastUsedAt = at(1'700'000'200);
    full.trashedAt = at(1'700'000'300);
    full.isFavorite = true;
    full.tags = {"work"};
    const std::vector<OtpAccount> accounts{full, account("Mail", "me", "ref-2")};

    repository.saveAccounts(accounts);

    EXPECT_EQ(repository.loadAccounts(), accounts);
    EXPECT_EQ(modeOf(file()), 0600u);
    EXPECT_EQ(modeOf(file().parent_path()), 0700u);
    EXPECT_EQ(modeOf(home.dataHome()), 0700u);
}

TEST_F(FileTokenRepositoryTest, TheFileIsPrettyPrintedWithSortedKeysAndOmitsAbsentDates) {
    repository.saveAccounts({account("GitHub", "octo", "ref-1")});
    const std::string text = readFile(file());

    EXPECT_NE(text.find("[\n  {\n    \"accountName\": \"octo\",\n    \"algorithm\": \"SHA1\""), std::string::npos)
        << text;
    EXPECT_EQ(text.find("lastUsedAt"), std::string::npos);
    EXPECT_NE(text.find("\"createdAt\": \"2023-11-14T22:13:20Z\""), std::string::npos);
}

TEST_F(FileTokenRepositoryTest, AnUndecodableFileFailsTheLoadWithoutQuotingIt) {
    for (const std::string text : {"not json JBSWY3DP", "{\"id\": 1}", "[{\"issuer\": \"x\"}]"}) {
        SCOPED_TRACE(text);
        writeFile(file(), text);
        try {
            repository.loadAccounts();
            ADD_FAILURE() << "expected persistenceFailure";
        } catch (const QuorbitError& error) {
            EXPECT_EQ(error.errorCase(), QuorbitError::Case::persistenceFailure);
            EXPECT_EQ(error.detail().find("JBSWY3DP"), std::string::npos) << error.detail();
        }
        EXPECT_EQ(readFile(file()), text);
    }
}

TEST_F(FileTokenRepositoryTest, AFailedSaveReportsPersistenceFailureAndLeavesThePreviousFile) {
    const std::vector<OtpAccount> saved{account("GitHub", "octo", "ref-1")};
    repository.saveAccounts(saved);
    FileTokenRepository blocked(home.root() / "occupied" / "accounts.json", legacyFile());
    std::filesystem::create_directories(home.root() / "occupied" / "accounts.json");

    expectPersistenceFailure([&] { blocked.saveAccounts(saved); });
    OtpAccount invalidText = account("\xff", "octo", "ref-2");
    expectPersistenceFailure([&] { repository.saveAccounts({invalidText}); });

    EXPECT_EQ(repository.loadAccounts(), saved);
}

class LegacyTakeoverTest : public FileTokenRepositoryTest {};

TEST_F(LegacyTakeoverTest, WithoutALegacyFileItWritesNothingAndReturnsTheCurrentList) {
    EXPECT_TRUE(repository.migrateLegacyMetadataIfNeeded().empty());
    EXPECT_FALSE(std::filesystem::exists(file()));

    const std::vector<OtpAccount> current{account("GitHub", "octo", "ref-1")};
    repository.saveAccounts(current);
    LegacyAppMigration migration(repository);
    EXPECT_EQ(migration.migrateIfNeeded(), current);
}

TEST_F(LegacyTakeoverTest, AppendsOnlyAccountsThatRepeatNothingAndRemovesTheLegacyFolder) {
    const OtpAccount current = account("GitHub", "Octo", "ref-1");
    repository.saveAccounts({current});
    OtpAccount sameId = account("Other", "x", "ref-9");
    sameId.id = current.id;
    const OtpAccount sameSecretRef = account("Other", "y", "ref-1");
    const OtpAccount sameNamesInOtherCase = account("GITHUB", "octo", "ref-8");
    const OtpAccount fresh = account("Mail", "me", "ref-2");
    const OtpAccount repeatsFresh = account("mail", "ME", "ref-3");
    OtpAccount trashedFresh = account("Bank", "me", "ref-4");
    trashedFresh.trashedAt = at(1'700'000'500);
    writeLegacy({sameId, sameSecretRef, sameNamesInOtherCase, fresh, repeatsFresh, trashedFresh});

    const std::vector<OtpAccount> expected{current, fresh, trashedFresh};
    EXPECT_EQ(repository.migrateLegacyMetadataIfNeeded(), expected);

    EXPECT_EQ(repository.loadAccounts(), expected);
    EXPECT_FALSE(std::filesystem::exists(legacyFile().parent_path()));
}

TEST_F(LegacyTakeoverTest, ALegacyFolderThatHoldsOtherFilesStays) {
    writeLegacy({account("Mail", "me", "ref-2")});
    writeFile(legacyFile().parent_path() / "settings.plist", "x");

    EXPECT_EQ(repository.migrateLegacyMetadataIfNeeded().size(), 1u);

    EXPECT_FALSE(std::filesystem::exists(legacyFile()));
    EXPECT_TRUE(std::filesystem::exists(legacyFile().parent_path() / "settings.plist"));
}

TEST_F(LegacyTakeoverTest, RunningTwiceDoesNotDoubleAccounts) {
    const std::vector<OtpAccount> legacy{account("Mail", "me", "ref-2")};
    writeLegacy(legacy);
    repository.migrateLegacyMetadataIfNeeded();
    writeLegacy(legacy);  // as after a run whose removal of the legacy file failed

    EXPECT_EQ(repository.migrateLegacyMetadataIfNeeded(), legacy);
}

TEST_F(LegacyTakeoverTest, AnUndecodableFileOnEitherSideFailsAndChangesNothing) {
    const std::vector<OtpAccount> current{account("GitHub", "octo", "ref-1")};
    repository.saveAccounts(current);
    writeFile(legacyFile(), "[{]");
    expectPersistenceFailure([&] { repository.migrateLegacyMetadataIfNeeded(); });
    EXPECT_EQ(repository.loadAccounts(), current);
    EXPECT_TRUE(std::filesystem::exists(legacyFile()));

    writeLegacy({account("Mail", "me", "ref-2")});
    writeFile(file(), "{}");
    expectPersistenceFailure([&] { repository.migrateLegacyMetadataIfNeeded(); });
    EXPECT_EQ(readFile(file()), "{}");
    EXPECT_TRUE(std::filesystem::exists(legacyFile()));
}

}  // namespace
}  // namespace quorbit
