#include "application/usecases/ExportBackup.h"
#include "application/usecases/ImportBackup.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "domain/BackupPayload.h"
#include "domain/QuorbitError.h"
#include "lib/Base32Codec.h"
#include "lib/Base64Codec.h"
#include "support/FakeClock.h"
#include "support/FakeSecretStore.h"
#include "support/FakeTokenRepository.h"
#include "support/ThrownError.h"
#include "support/memory/FreedMemoryWatch.h"
#include "support/memory/WatchedSecret.h"

namespace quorbit::test {
namespace {

using namespace std::chrono;
using Bytes = std::vector<std::uint8_t>;

const TimePoint exportTime{seconds(1'700'000'000)};
const TimePoint importTime = exportTime + hours(2);
// The file format does not depend on the count; a small one keeps the tests quick.
constexpr int fastIterations = 1000;
constexpr const char* secretText = "JBSWY3DPEHPK3PXP";

const QuorbitError corrupted{QuorbitError::Case::corruptedBackup};
const QuorbitError invalidFormat = QuorbitError::persistenceFailure("Invalid backup format");

OtpAccount accountNamed(std::string issuer, std::string accountName) {
    OtpAccount account;
    account.id = Uuid::random();
    account.issuer = std::move(issuer);
    account.accountName = std::move(accountName);
    account.secretRef = OtpSecretRef{Uuid::random().toString()};
    account.createdAt = exportTime - days(30);
    account.updatedAt = exportTime - days(1);
    return account;
}

BackupAccount backupAccountNamed(std::string issuer, std::string accountName) {
    BackupAccount account;
    account.id = Uuid::random();
    account.issuer = std::move(issuer);
    account.accountName = std::move(accountName);
    account.secretBase32 = SecretBytes::fromText(secretText);
    account.createdAt = exportTime - days(30);
    account.updatedAt = exportTime - days(1);
    return account;
}

std::vector<Uuid> idsOf(const std::vector<BackupAccount>& accounts) {
    std::vector<Uuid> ids;
    for (const BackupAccount& account : accounts) ids.push_back(account.id);
    return ids;
}

// One vault: the account list and the secrets it refers to.
struct Vault {
    FakeTokenRepository repository;
    FakeSecretStore secretStore;

    OtpAccount store(const OtpAccount& account, const SecretBytes& secret) {
        secretStore.saveSecret(secret, account.secretRef);
        repository.appendAccount(account);
        return account;
    }
};

struct BackupTest : ::testing::Test {
    Vault source;
    Vault target;
    Base32Codec codec;
    FakeClock clock{exportTime};
    EncryptedBackupCryptoService crypto{fastIterations, 16};
    const SecretBytes password = SecretBytes::fromText("correct horse battery staple");
    const SecretBytes secret = codec.decode(secretText);

    Bytes exportFrom(Vault& vault, const std::optional<std::set<Uuid>>& ids = std::nullopt) {
        return ExportBackup(vault.repository, vault.secretStore, codec, crypto, clock).execute(password, ids);
    }
    BackupPayload opened(const Bytes& bytes) { return crypto.decrypt(bytes, password); }
    Bytes sealed(std::vector<BackupAccount> accounts) {
        return crypto.encrypt(BackupPayload{exportTime, std::move(accounts)}, password);
    }
    ImportBackup importerFor(Vault& vault) {
        return ImportBackup(vault.repository, vault.secretStore, codec, crypto, clock);
    }
    std::vector<OtpAccount> importInto(Vault& vault, const Bytes& bytes) {
        clock.set(importTime);
        return importerFor(vault).execute(bytes, password);
    }
    void expectNothingWritten(const Vault& vault, const std::vector<OtpAccount>& accountsBefore,
                              std::size_t secretsBefore) {
        EXPECT_EQ(vault.repository.saveCount(), 0);
        EXPECT_EQ(vault.repository.accounts(), accountsBefore);
        EXPECT_EQ(vault.secretStore.size(), secretsBefore);
    }
};

// ---- Export selection ----

using BackupExportTest = BackupTest;

TEST_F(BackupExportTest, FullExportTakesEveryAccountOutsideTheTrashInRepositoryOrder) {
    const OtpAccount zeta = source.store(accountNamed("Zeta", "z"), secret);
    OtpAccount trashed = accountNamed("Trashed", "t");
    trashed.trashedAt = exportTime - hours(1);
    source.store(trashed, secret);
    const OtpAccount alpha = source.store(accountNamed("Alpha", "a"), secret);

    const BackupPayload payload = opened(exportFrom(source));

    EXPECT_EQ(payload.exportedAt, exportTime);
    EXPECT_EQ(idsOf(payload.accounts), (std::vector<Uuid>{zeta.id, alpha.id}));
}

TEST_F(BackupExportTest, SelectionTakesExactlyTheGivenIdsTrashedOnesIncluded) {
    OtpAccount trashed = accountNamed("Trashed", "t");
    trashed.trashedAt = exportTime - hours(1);
    source.store(trashed, secret);
    source.store(accountNamed("Skipped", "s"), secret);
    const OtpAccount chosen = source.store(accountNamed("Chosen", "c"), secret);

    const BackupPayload selected = opened(exportFrom(source, std::set{chosen.id, trashed.id, Uuid::random()}));
    ASSERT_EQ(idsOf(selected.accounts), (std::vector<Uuid>{trashed.id, chosen.id}));
    EXPECT_EQ(selected.accounts[0].trashedAt, trashed.trashedAt);

    EXPECT_TRUE(opened(exportFrom(source, std::set<Uuid>{})).accounts.empty());
}

TEST_F(BackupExportTest, WritesTheSecretAsBase32TheCounterNeverBelowZeroAndNormalisedTags) {
    OtpAccount account = accountNamed("Acme", "a");
    account.type = OtpType::hotp;
    account.hotpCounter = -3;
    account.tags = {" work", "Work", ""};
    source.store(account, SecretBytes{0xde, 0xad, 0xbe, 0xef});

    const BackupAccount exported = opened(exportFrom(source)).accounts.at(0);

    EXPECT_EQ(exported.secretBase32.asText(), "32W353Y");
    EXPECT_EQ(exported.hotpCounter, 0);
    EXPECT_EQ(exported.tags, (std::vector<std::string>{"work"}));
}

TEST_F(BackupExportTest, FailingSecretLoadEndsTheExport) {
    source.store(accountNamed("Acme", "a"), secret);
    source.secretStore.failLoadsWith(QuorbitError(QuorbitError::Case::keychainAccessDenied));

    EXPECT_EQ(thrownError([&] { exportFrom(source); }), QuorbitError(QuorbitError::Case::keychainAccessDenied));
}

// ---- Round trips through the real cipher ----

using BackupRoundTripTest = BackupTest;

TEST_F(BackupRoundTripTest, EveryFieldSurvivesIntoAnEmptyVault) {
    OtpAccount hotp = accountNamed("Bank", "alice@example.com");
    hotp.type = OtpType::hotp;
    hotp.algorithm = OtpAlgorithm::sha256;
    hotp.digits = 8;
    hotp.hotpCounter = 42;
    hotp.isFavorite = true;
    hotp.lastUsedAt = exportTime - minutes(5);
    hotp.tags = {"Banking", "Work"};
    OtpAccount trashed = accountNamed("Mail", "bob");
    trashed.algorithm = OtpAlgorithm::sha512;
    trashed.digits = 7;
    trashed.period = 60;
    trashed.trashedAt = exportTime - days(2);
    const std::vector<OtpAccount> originals{hotp, trashed, accountNamed("Plain", "")};
    const std::vector<SecretBytes> secrets{codec.decode("GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQ"), SecretBytes{0x01}, secret};
    for (std::size_t i = 0; i < originals.size(); ++i) source.store(originals[i], secrets[i]);

    const auto added = importInto(target, exportFrom(source, std::set{hotp.id, trashed.id, originals[2].id}));

    ASSERT_EQ(added.size(), originals.size());
    EXPECT_EQ(target.repository.accounts(), added);
    for (std::size_t i = 0; i < added.size(); ++i) {
        OtpAccount expected = originals[i];
        expected.secretRef = added[i].secretRef;
        expected.updatedAt = importTime;
        EXPECT_EQ(added[i], expected) << originals[i].issuer;
        EXPECT_NE(added[i].secretRef, originals[i].secretRef);
        EXPECT_EQ(added[i].secretRef.rawValue, Uuid::parse(added[i].secretRef.rawValue).value().toString());
        EXPECT_EQ(target.secretStore.secret(added[i].secretRef), secrets[i]) << originals[i].issuer;
    }
}

TEST_F(BackupRoundTripTest, NewAccountsFollowTheStoredOnesWhichStayAsTheyWere) {
    const OtpAccount first = target.store(accountNamed("Stored", "one"), SecretBytes{0x11});
    const OtpAccount second = target.store(accountNamed("Stored", "two"), SecretBytes{0x22});
    source.store(accountNamed("New", "three"), secret);
    source.store(accountNamed("New", "four"), secret);

    const auto added = importInto(target, exportFrom(source));

    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(target.repository.accounts(), (std::vector<OtpAccount>{first, second, added[0], added[1]}));
    EXPECT_EQ(target.repository.saveCount(), 1);
    EXPECT_EQ(target.secretStore.secret(first.secretRef), SecretBytes{0x11});
    EXPECT_EQ(target.secretStore.secret(second.secretRef), SecretBytes{0x22});
}

TEST_F(BackupRoundTripTest, ReimportingAVaultsOwnBackupAddsNothingButStillSaves) {
    source.store(accountNamed("GitHub", "alice"), secret);
    source.store(accountNamed("GitLab", "alice"), secret);
    const auto before = source.repository.accounts();

    EXPECT_TRUE(importInto(source, exportFrom(source)).empty());

    EXPECT_EQ(source.repository.saveCount(), 1);
    EXPECT_EQ(source.repository.accounts(), before);
    EXPECT_EQ(source.secretStore.size(), 2u);
}

// The backup predates the trashing: the account is no duplicate, but its id is taken.
TEST_F(BackupRoundTripTest, AccountTrashedSinceTheBackupComesBackBesideItUnderAFreshId) {
    OtpAccount account = source.store(accountNamed("GitHub", "alice"), secret);
    const Bytes backup = exportFrom(source);
    account.trashedAt = exportTime + hours(1);
    source.repository.setAccounts({account});

    const auto added = importInto(source, backup);

    ASSERT_EQ(added.size(), 1u);
    EXPECT_NE(added[0].id, account.id);
    EXPECT_EQ(added[0].issuer, "GitHub");
    EXPECT_FALSE(added[0].trashedAt);
    EXPECT_EQ(source.repository.accounts(), (std::vector<OtpAccount>{account, added[0]}));
}

// ---- Backup summary ----

using BackupInfoTest = BackupTest;

TEST_F(BackupInfoTest, ReportsThePayloadsCountAndExportTimeWithTheEnvelopesFields) {
    source.store(accountNamed("One", "a"), secret);
    source.store(accountNamed("Two", "b"), secret);
    OtpAccount trashed = accountNamed("Trashed", "t");
    trashed.trashedAt = exportTime;
    source.store(trashed, secret);

    EXPECT_EQ(importerFor(target).getBackupInfo(exportFrom(source), password),
              (BackupInfo{exportTime, 2, "PBKDF2-HMAC-SHA256", fastIterations, 16, 1}));

    // The envelope's count and salt length, not the opening service's; one iteration is allowed.
    EncryptedBackupCryptoService otherSettings(1, 32);
    const Bytes bytes =
        ExportBackup(source.repository, source.secretStore, codec, otherSettings, clock).execute(password);
    EXPECT_EQ(importerFor(target).getBackupInfo(bytes, password),
              (BackupInfo{exportTime, 2, "PBKDF2-HMAC-SHA256", 1, 32, 1}));
}

TEST_F(BackupInfoTest, ReportsTheDeclaredSaltLengthEvenWhenItIsWrong) {
    auto envelope = nlohmann::json::parse(sealed({backupAccountNamed("One", "a")}));
    envelope["saltBytes"] = 99;
    const std::string text = envelope.dump();

    EXPECT_EQ(importerFor(target).getBackupInfo(Bytes(text.begin(), text.end()), password).saltBytes, 99);
}

TEST_F(BackupInfoTest, WrongPasswordIsTheCiphersErrorAndTheImportWritesNothing) {
    target.store(accountNamed("Stored", "a"), secret);
    const auto before = target.repository.accounts();
    const Bytes bytes = sealed({backupAccountNamed("New", "b")});
    const auto wrong = SecretBytes::fromText("battery staple");
    const QuorbitError wrongPassword(QuorbitError::Case::wrongBackupPassword);

    EXPECT_EQ(thrownError([&] { importerFor(target).getBackupInfo(bytes, wrong); }), wrongPassword);
    EXPECT_EQ(thrownError([&] { importerFor(target).execute(bytes, wrong); }), wrongPassword);
    expectNothingWritten(target, before, 1);
}

// ---- Untrusted file checks, for the summary and the import alike ----

struct FileCase {
    std::string name;
    std::function<Bytes(Bytes)> damage;
    QuorbitError infoError;
    QuorbitError importError;
};

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& testCase) {
    return testCase.param.name;
}

void PrintTo(const FileCase& fileCase, std::ostream* out) { *out << fileCase.name; }

Bytes withEnvelope(const Bytes& bytes, const std::function<void(nlohmann::json&)>& change) {
    auto envelope = nlohmann::json::parse(bytes);
    change(envelope);
    const std::string text = envelope.dump();
    return {text.begin(), text.end()};
}

std::function<Bytes(Bytes)> setting(const std::string& key, nlohmann::json value) {
    return [=](Bytes bytes) { return withEnvelope(bytes, [&](nlohmann::json& envelope) { envelope[key] = value; }); };
}

const std::vector<FileCase> fileCases{
    {"NotJson", [](Bytes) { return Bytes{'n', 'o', 't', ' ', 'j', 's', 'o', 'n'}; }, corrupted, corrupted},
    {"MissingSealedBox",
     [](Bytes bytes) { return withEnvelope(bytes, [](nlohmann::json& envelope) { envelope.erase("sealedBox"); }); },
     corrupted, corrupted},
    {"IterationsAsText", setting("iterations", "1000"), corrupted, corrupted},
    // Trailing blanks keep the JSON valid: only the size makes it corrupted.
    {"AboveTheSizeBound",
     [](Bytes bytes) {
         bytes.resize(ImportBackup::maxFileBytes + 1, ' ');
         return bytes;
     },
     corrupted, corrupted},
    {"ZeroIterations", setting("iterations", 0), corrupted, corrupted},
    // Deriving a key at this count would take minutes; the bound stops it first.
    {"IterationsAboveTheBound", setting("iterations", 10'000'001), corrupted, corrupted},
    {"HugeIterations", setting("iterations", std::int64_t{1} << 40), corrupted, corrupted},
    {"VersionZero", setting("version", 0), corrupted, corrupted},
    {"VersionMinusOne", setting("version", -1), corrupted, corrupted},
    {"VersionTwo", setting("version", 2), corrupted, corrupted},
    {"KdfInLowerCase", setting("kdf", "pbkdf2-hmac-sha256"), invalidFormat, corrupted},
    {"SaltNotBase64", setting("salt", "not*base64"), invalidFormat, corrupted},
    // Too short to hold its tag: refused before a key is derived, not taken for a wrong password.
    {"SealedBoxShorterThanNonceAndTag", setting("sealedBox", Base64Codec::encode(Bytes(27, 0))), corrupted, corrupted},
    {"SaltWithLineBreak", setting("salt", "AAAAAAAA\nAAAAAAAAAAAAAA=="), invalidFormat, corrupted},
};

struct BackupFileCheckTest : BackupTest, ::testing::WithParamInterface<FileCase> {};

TEST_P(BackupFileCheckTest, RefusesTheFileAndTheImportWritesNothing) {
    target.store(accountNamed("Stored", "a"), secret);
    const auto before = target.repository.accounts();
    const Bytes bytes = GetParam().damage(sealed({backupAccountNamed("New", "b")}));

    const QuorbitError infoError = thrownError([&] { importerFor(target).getBackupInfo(bytes, password); });
    EXPECT_EQ(infoError, GetParam().infoError) << infoError.what();
    const QuorbitError importError = thrownError([&] { importerFor(target).execute(bytes, password); });
    EXPECT_EQ(importError, GetParam().importError) << importError.what();
    expectNothingWritten(target, before, 1);
}

INSTANTIATE_TEST_SUITE_P(Files, BackupFileCheckTest, ::testing::ValuesIn(fileCases), caseName<FileCase>);

// ---- Merge rules ----

// An account by issuer and name; `id` is a small number standing for a fixed UUID so cases
// can make ids collide.
struct Entry {
    std::string issuer;
    std::string accountName;
    int id;
    bool trashed = false;
};

struct Added {
    std::size_t backupIndex;
    std::string issuer;
    std::string accountName;
    bool keepsId;
};

struct MergeCase {
    std::string name;
    std::vector<Entry> stored;
    std::vector<Entry> backup;
    std::vector<Added> added;
};

Uuid fixedId(int number) { return Uuid::parse("00000000-0000-4000-8000-00000000000" + std::to_string(number)).value(); }

const std::vector<MergeCase> mergeCases{
    {"SameIssuerAndNameIgnoringCaseIsSkipped", {{"GitHub", "alice", 1}}, {{"github", "ALICE", 2}}, {}},
    {"DuplicateOfATrashedAccountIsAdded",
     {{"GitHub", "alice", 1, true}},
     {{"github", "ALICE", 2}},
     {{0, "github", "ALICE", true}}},
    {"SameIssuerOtherNameIsAdded", {{"GitHub", "alice", 1}}, {{"GitHub", "bob", 2}}, {{0, "GitHub", "bob", true}}},
    {"NonAsciiLettersIgnoreCase", {{"ÄRZTE", "anna", 1}}, {{"ärzte", "ANNA", 2}}, {}},
    {"DiacriticsCount", {{"Café", "anna", 1}}, {{"Cafe", "anna", 2}}, {{0, "Cafe", "anna", true}}},
    {"RepeatsInsideTheBackupAddOnlyTheFirst",
     {},
     {{"Acme", "a", 2}, {"ACME", "A", 3}, {"acme", "a", 4}},
     {{0, "Acme", "a", true}}},
    {"ARepeatOfATrashedBackupAccountIsAdded",
     {},
     {{"Acme", "a", 2, true}, {"Acme", "a", 3}},
     {{0, "Acme", "a", true}, {1, "Acme", "a", true}}},
    {"UntrimmedValuesAreNotMatchedAndAreAddedTrimmed",
     {{"GitHub", "alice", 1}},
     {{"  GitHub ", "alice\n", 2}},
     {{0, "GitHub", "alice", true}}},
    {"IdOfAStoredAccountGivesAFreshId", {{"Old", "x", 1}}, {{"New", "y", 1}}, {{0, "New", "y", false}}},
    {"IdRepeatedInsideTheBackupGivesTheSecondAFreshId",
     {},
     {{"One", "a", 2}, {"Two", "b", 2}},
     {{0, "One", "a", true}, {1, "Two", "b", false}}},
    {"EveryAccountADuplicateAddsNothing", {{"One", "a", 1}, {"Two", "b", 2}}, {{"two", "B", 3}, {"ONE", "A", 4}}, {}},
};

void PrintTo(const MergeCase& mergeCase, std::ostream* out) { *out << mergeCase.name; }

struct ImportMergeTest : BackupTest, ::testing::WithParamInterface<MergeCase> {
    // Distinct per backup position, so each added account can be traced to its source.
    SecretBytes secretAt(std::size_t index) const { return SecretBytes{static_cast<std::uint8_t>(index + 1), 0x5a}; }
};

TEST_P(ImportMergeTest, AddsWhatTheRulesAllowAfterTheUntouchedStoredAccounts) {
    const MergeCase& mergeCase = GetParam();
    std::vector<OtpAccount> expected;
    for (const Entry& entry : mergeCase.stored) {
        OtpAccount account = accountNamed(entry.issuer, entry.accountName);
        account.id = fixedId(entry.id);
        if (entry.trashed) account.trashedAt = exportTime - days(3);
        expected.push_back(target.store(account, secret));
    }
    std::vector<BackupAccount> backup;
    for (std::size_t index = 0; index < mergeCase.backup.size(); ++index) {
        const Entry& entry = mergeCase.backup[index];
        BackupAccount account = backupAccountNamed(entry.issuer, entry.accountName);
        account.id = fixedId(entry.id);
        account.secretBase32 = codec.encode(secretAt(index).view());
        if (entry.trashed) account.trashedAt = exportTime - days(2);
        backup.push_back(account);
    }

    const auto added = importInto(target, sealed(backup));

    ASSERT_EQ(added.size(), mergeCase.added.size());
    for (std::size_t i = 0; i < added.size(); ++i) {
        const Added& want = mergeCase.added[i];
        EXPECT_EQ(added[i].issuer, want.issuer);
        EXPECT_EQ(added[i].accountName, want.accountName);
        EXPECT_EQ(added[i].id == backup[want.backupIndex].id, want.keepsId);
        EXPECT_EQ(added[i].trashedAt, backup[want.backupIndex].trashedAt);
        EXPECT_EQ(target.secretStore.secret(added[i].secretRef), secretAt(want.backupIndex));
    }
    expected.insert(expected.end(), added.begin(), added.end());
    EXPECT_EQ(target.repository.accounts(), expected);
    EXPECT_EQ(target.repository.saveCount(), 1);
    std::set<Uuid> ids;
    for (const OtpAccount& account : expected) ids.insert(account.id);
    EXPECT_EQ(ids.size(), expected.size()) << "ids stay unique";
}

INSTANTIATE_TEST_SUITE_P(Rules, ImportMergeTest, ::testing::ValuesIn(mergeCases), caseName<MergeCase>);

// ---- Validation before anything is written ----

struct AccountCase {
    std::string name;
    std::function<void(BackupAccount&)> change;
    bool usable;
};

const std::vector<AccountCase> accountCases{
    {"BadBase32", [](BackupAccount& account) { account.secretBase32 = SecretBytes::fromText("JBSWY3DP!"); }, false},
    {"EmptySecret", [](BackupAccount& account) { account.secretBase32 = SecretBytes::fromText(""); }, false},
    {"FiveDigits", [](BackupAccount& account) { account.digits = 5; }, false},
    {"NineDigits", [](BackupAccount& account) { account.digits = 9; }, false},
    {"TotpPeriodZero", [](BackupAccount& account) { account.period = 0; }, false},
    {"SixDigits", [](BackupAccount& account) { account.digits = 6; }, true},
    {"EightDigits", [](BackupAccount& account) { account.digits = 8; }, true},
    {"TotpPeriodOne", [](BackupAccount& account) { account.period = 1; }, true},
    {"OneByteSecret", [](BackupAccount& account) { account.secretBase32 = SecretBytes::fromText("AE"); }, true},
    {"LowerCaseBase32WithBlanks",
     [](BackupAccount& account) { account.secretBase32 = SecretBytes::fromText("jbsw y3dp ehpk 3pxp"); }, true},
    {"HotpIgnoresThePeriod",
     [](BackupAccount& account) {
         account.type = OtpType::hotp;
         account.period = 0;
     },
     true},
};

void PrintTo(const AccountCase& accountCase, std::ostream* out) { *out << accountCase.name; }

struct ImportValidationTest : BackupTest, ::testing::WithParamInterface<AccountCase> {};

TEST_P(ImportValidationTest, OnlyUsableAccountsAreAddedAndARefusalWritesNothing) {
    target.store(accountNamed("Stored", "a"), secret);
    const auto before = target.repository.accounts();
    BackupAccount checked = backupAccountNamed("Checked", "c");
    GetParam().change(checked);
    const Bytes bytes = sealed({backupAccountNamed("Valid", "v"), checked});

    if (GetParam().usable) {
        EXPECT_EQ(importInto(target, bytes).size(), 2u);
        EXPECT_EQ(target.secretStore.size(), 3u);
        return;
    }
    EXPECT_EQ(thrownError([&] { importInto(target, bytes); }), QuorbitError(QuorbitError::Case::invalidSecret));
    expectNothingWritten(target, before, 1);
    EXPECT_TRUE(target.secretStore.deleteRequests().empty());
}

INSTANTIATE_TEST_SUITE_P(Accounts, ImportValidationTest, ::testing::ValuesIn(accountCases), caseName<AccountCase>);

using ImportBackupTest = BackupTest;

TEST_F(ImportBackupTest, AnUnusableDuplicateIsSkippedRatherThanRefused) {
    target.store(accountNamed("GitHub", "alice"), secret);
    BackupAccount duplicate = backupAccountNamed("GitHub", "alice");
    duplicate.digits = 5;

    const auto added = importInto(target, sealed({duplicate, backupAccountNamed("New", "b")}));

    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].issuer, "New");
}

// ---- Rollback of a failed import ----

// A secret store whose save fails once `successfulSaves` saves have gone through.
class SecretStoreFailingLater final : public SecretStore {
public:
    SecretStoreFailingLater(FakeSecretStore& inner, int successfulSaves) : inner_(inner), remaining_(successfulSaves) {}

    void saveSecret(const SecretBytes& secret, const OtpSecretRef& ref) override {
        if (remaining_-- == 0) throw QuorbitError::keychainFailure("Keyring full");
        inner_.saveSecret(secret, ref);
    }
    SecretBytes loadSecret(const OtpSecretRef& ref) override { return inner_.loadSecret(ref); }
    void deleteSecret(const OtpSecretRef& ref) override { inner_.deleteSecret(ref); }

private:
    FakeSecretStore& inner_;
    int remaining_;
};

TEST_F(ImportBackupTest, AFailedListSaveDeletesTheSecretsOfThisRunAndNoOther) {
    const OtpAccount stored = target.store(accountNamed("Stored", "a"), secret);
    const auto before = target.repository.accounts();
    target.repository.failSavesWith(QuorbitError::persistenceFailure("Disk full"));

    const Bytes bytes = sealed({backupAccountNamed("New", "b"), backupAccountNamed("New", "c")});
    EXPECT_EQ(thrownError([&] { importInto(target, bytes); }), QuorbitError::persistenceFailure("Disk full"));

    EXPECT_EQ(target.repository.accounts(), before);
    EXPECT_EQ(target.secretStore.size(), 1u);
    EXPECT_TRUE(target.secretStore.contains(stored.secretRef));
    const auto deleted = target.secretStore.deleteRequests();
    EXPECT_EQ(deleted.size(), 2u);
    EXPECT_EQ(std::ranges::count(deleted, stored.secretRef), 0);
}

TEST_F(ImportBackupTest, ARefusedDeletionDoesNotHideTheOriginalFailure) {
    target.repository.failSavesWith(QuorbitError::persistenceFailure("Disk full"));
    target.secretStore.failDeletesWith(QuorbitError::keychainFailure("Locked"));

    const Bytes bytes = sealed({backupAccountNamed("New", "b"), backupAccountNamed("New", "c")});
    EXPECT_EQ(thrownError([&] { importInto(target, bytes); }), QuorbitError::persistenceFailure("Disk full"));
    EXPECT_EQ(target.secretStore.deleteRequests().size(), 2u) << "every secret is still tried";
}

TEST_F(ImportBackupTest, AFailedSecretSaveDeletesTheSecretsStoredBeforeIt) {
    SecretStoreFailingLater secretStore(target.secretStore, 1);
    clock.set(importTime);
    ImportBackup importer(target.repository, secretStore, codec, crypto, clock);

    const Bytes bytes = sealed({backupAccountNamed("New", "b"), backupAccountNamed("New", "c")});
    EXPECT_EQ(thrownError([&] { importer.execute(bytes, password); }), QuorbitError::keychainFailure("Keyring full"));

    EXPECT_EQ(target.repository.saveCount(), 0);
    EXPECT_EQ(target.secretStore.size(), 0u);
    EXPECT_EQ(target.secretStore.deleteRequests().size(), 1u);
}

// The Base32 texts, the payload's JSON text and the reader's document of it hold the secret.
TEST_F(BackupTest, TheSecretReachesFreedMemoryOnlyWipedOnTheWayOutAndBackIn) {
    source.store(accountNamed("Acme", "bob"), watchedSecret);
    FreedMemoryWatch watch({watchedSecretBase32});

    const std::vector<OtpAccount> added = importInto(target, exportFrom(source));

    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(target.secretStore.secret(added[0].secretRef), watchedSecret);
    EXPECT_EQ(watch.blocksHoldingText(), 0u);
}

}  // namespace
}  // namespace quorbit::test
