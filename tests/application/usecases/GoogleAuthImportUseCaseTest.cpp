#include "application/usecases/GoogleAuthImportUseCase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "application/usecases/UseCaseFixture.h"
#include "lib/OtpAuthURIParser.h"
#include "support/ThrownError.h"
#include "support/memory/FreedMemoryWatch.h"
#include "support/memory/WatchedSecret.h"

namespace quorbit::test {
namespace {

using C = QuorbitError::Case;

GoogleAuthAccount entry(std::string issuer, std::string name, SecretBytes secret = {0x48, 0x65, 0x6C, 0x6C, 0x6F}) {
    GoogleAuthAccount account;
    account.issuer = std::move(issuer);
    account.name = std::move(name);
    account.secret = std::move(secret);
    return account;
}

OtpAccount trashedAccount(std::string issuer, std::string accountName) {
    OtpAccount account = storedAccount(std::move(issuer), std::move(accountName));
    account.trashedAt = startTime;
    return account;
}

std::vector<std::string> labels(const std::vector<OtpAccount>& accounts) {
    std::vector<std::string> result;
    for (const OtpAccount& account : accounts) result.push_back(account.issuer + ":" + account.accountName);
    return result;
}

struct GoogleAuthImportUseCaseTest : UseCaseFixture {
    OtpAuthURIParser parser;

    std::vector<OtpAccount> import(const std::vector<GoogleAuthAccount>& accounts,
                                   const std::optional<std::set<int>>& selected = std::nullopt) {
        const GoogleAuthImportUseCase useCase(repository, secretStore, codec, codec, clock, parser);
        return useCase.execute(accounts, selected);
    }
};

TEST_F(GoogleAuthImportUseCaseTest, ImportsTheSelectedEntriesInIndexOrder) {
    const std::vector<GoogleAuthAccount> payload{entry("A", "a"), entry("B", "b"), entry("C", "c")};
    const struct {
        const char* name;
        std::optional<std::set<int>> selected;
        std::vector<std::string> expected;
    } cases[] = {
        {"no selection", std::nullopt, {"A:a", "B:b", "C:c"}},
        {"empty selection", std::set<int>{}, {}},
        {"ascending order", std::set<int>{2, 0}, {"A:a", "C:c"}},
        {"out of range ignored", std::set<int>{-1, 1, 3, 99}, {"B:b"}},
    };
    for (const auto& c : cases) {
        repository.setAccounts({});
        const std::vector<OtpAccount> added = import(payload, c.selected);
        EXPECT_EQ(labels(added), c.expected) << c.name;
        EXPECT_EQ(repository.accounts(), added) << c.name;
    }
}

TEST_F(GoogleAuthImportUseCaseTest, SkipsUnfitAndAlreadyStoredEntriesSilently) {
    const struct {
        const char* name;
        GoogleAuthAccount skipped;
        std::vector<OtpAccount> stored;
    } cases[] = {
        {"empty secret", entry("X", "x", SecretBytes{}), {}},
        {"five digits",
         [] {
             auto e = entry("X", "x");
             e.digits = 5;
             return e;
         }(),
         {}},
        {"nine digits",
         [] {
             auto e = entry("X", "x");
             e.digits = 9;
             return e;
         }(),
         {}},
        {"same as a stored account", entry("X", "x"), {storedAccount("X", "x")}},
        {"same as a trashed account", entry("X", "x"), {trashedAccount("X", "x")}},
        // Composed and decomposed accents are one text; the trashed account keeps the add from refusing it.
        {"canonically equivalent issuer", entry("Cafe\xCC\x81", "x"), {trashedAccount("Caf\xC3\xA9", "x")}},
    };
    for (const auto& c : cases) {
        repository.setAccounts(c.stored);
        const std::vector<OtpAccount> added = import({c.skipped, entry("Kept", "k")});
        EXPECT_EQ(labels(added), (std::vector<std::string>{"Kept:k"})) << c.name;
        EXPECT_EQ(repository.accounts().size(), c.stored.size() + 1) << c.name;
    }
}

TEST_F(GoogleAuthImportUseCaseTest, ImportsAnEntryThatDiffersInLetterCaseFromATrashedAccount) {
    repository.setAccounts({trashedAccount("example", "alice")});
    EXPECT_EQ(labels(import({entry("Example", "alice")})), (std::vector<std::string>{"Example:alice"}));
}

TEST_F(GoogleAuthImportUseCaseTest, CarriesTheEntryFieldsIntoTheStoredAccount) {
    const struct {
        const char* name;
        OtpType type;
        OtpAlgorithm algorithm;
        int digits;
        std::optional<std::int64_t> counter;
        std::int64_t expectedCounter;
    } cases[] = {
        {"TOTP, 8 digits, no counter", OtpType::totp, OtpAlgorithm::sha256, 8, std::nullopt, 0},
        {"TOTP keeps a decoded counter", OtpType::totp, OtpAlgorithm::sha512, 7, 7, 7},
        {"HOTP counter", OtpType::hotp, OtpAlgorithm::sha1, 6, 42, 42},
        {"HOTP without counter", OtpType::hotp, OtpAlgorithm::sha1, 6, std::nullopt, 0},
        {"HOTP negative counter", OtpType::hotp, OtpAlgorithm::sha1, 6, -5, 0},
    };
    for (const auto& c : cases) {
        repository.setAccounts({});
        GoogleAuthAccount source = entry("Issuer", "name", SecretBytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        source.type = c.type;
        source.algorithm = c.algorithm;
        source.digits = c.digits;
        source.counter = c.counter;

        const std::vector<OtpAccount> added = import({source});

        ASSERT_EQ(added.size(), 1u) << c.name;
        const OtpAccount& account = added.front();
        EXPECT_EQ(labels(added), (std::vector<std::string>{"Issuer:name"})) << c.name;
        EXPECT_EQ(account.type, c.type) << c.name;
        EXPECT_EQ(account.algorithm, c.algorithm) << c.name;
        EXPECT_EQ(account.digits, c.digits) << c.name;
        EXPECT_EQ(account.period, 30) << c.name;
        EXPECT_EQ(account.hotpCounter, c.expectedCounter) << c.name;
        EXPECT_TRUE(account.tags.empty()) << c.name;
        EXPECT_EQ(secretStore.secret(account.secretRef), source.secret) << c.name;
    }
}

TEST_F(GoogleAuthImportUseCaseTest, AnAddRefusalEndsTheRunAndKeepsTheEarlierAccounts) {
    const struct {
        const char* name;
        std::vector<OtpAccount> stored;
        std::vector<GoogleAuthAccount> payload;
    } cases[] = {
        // Differs from a stored account only in letter case: the add's own duplicate rule refuses it.
        {"letter case of a stored account",
         {storedAccount("Example", "alice")},
         {entry("First", "f"), entry("EXAMPLE", "alice"), entry("Later", "l")}},
        // The list loaded at the start does not hold the first of two equal entries.
        {"entry repeated in the payload", {}, {entry("First", "f"), entry("First", "f"), entry("Later", "l")}},
    };
    for (const auto& c : cases) {
        repository.setAccounts(c.stored);
        const std::size_t secretsBefore = secretStore.size();

        EXPECT_EQ(errorCaseOf([&] { import(c.payload); }), C::duplicateAccount) << c.name;

        std::vector<std::string> expected = labels(c.stored);
        expected.push_back("First:f");
        EXPECT_EQ(labels(repository.accounts()), expected) << c.name;
        EXPECT_EQ(secretStore.size(), secretsBefore + 1) << c.name;
    }
}

TEST_F(GoogleAuthImportUseCaseTest, AKeyringFailureEndsTheRunAtThatEntry) {
    const QuorbitError denied = QuorbitError::keychainFailure("denied");
    repository.observeSaves([&](const std::vector<OtpAccount>&) { secretStore.failSavesWith(denied); });

    EXPECT_EQ(thrownError([&] { import({entry("First", "f"), entry("Second", "s"), entry("Third", "t")}); }), denied);

    EXPECT_EQ(labels(repository.accounts()), (std::vector<std::string>{"First:f"}));
    EXPECT_EQ(repository.saveCount(), 1);
}

TEST_F(GoogleAuthImportUseCaseTest, AnUnreadableAccountListImportsNothing) {
    const QuorbitError unreadable = QuorbitError::persistenceFailure("The data couldn't be read");
    repository.failLoadsWith(unreadable);

    EXPECT_EQ(thrownError([&] { import({entry("First", "f")}); }), unreadable);

    EXPECT_EQ(secretStore.size(), 0u);
    EXPECT_EQ(repository.saveCount(), 0);
}

TEST_F(GoogleAuthImportUseCaseTest, TheSecretsBase32TextReachesFreedMemoryOnlyWiped) {
    const std::vector<GoogleAuthAccount> accounts{entry("Acme", "bob", watchedSecret)};
    FreedMemoryWatch watch({watchedSecretBase32});

    import(accounts);

    EXPECT_EQ(watch.blocksHoldingText(), 0u);
}

}  // namespace
}  // namespace quorbit::test
