#include "application/usecases/AddToken.h"

#include <gtest/gtest.h>

#include <ostream>

#include "UseCaseFixture.h"

namespace quorbit::test {
namespace {

constexpr const char* validSecret = "JBSWY3DPEHPK3PXP";

TokenDraft draft(std::string issuer, std::string accountName) {
    TokenDraft result;
    result.issuer = std::move(issuer);
    result.accountName = std::move(accountName);
    result.secretBase32 = SecretBytes::fromText(validSecret);
    return result;
}

struct AddTokenTest : UseCaseFixture {
    OtpAccount add(const TokenDraft& tokenDraft) {
        return AddToken(repository, secretStore, codec, clock).execute(tokenDraft);
    }

    void expectNothingWritten() {
        EXPECT_EQ(repository.saveCount(), 0);
        EXPECT_EQ(secretStore.size(), 0u);
    }
};

TEST_F(AddTokenTest, StoresTrimmedAccountAtTheEndAndItsSecretUnderAFreshReference) {
    const OtpAccount existing = storedAccount("Other", "bob");
    repository.setAccounts({existing});
    TokenDraft tokenDraft = draft("  Example \n", "\talice ");
    tokenDraft.type = OtpType::hotp;
    tokenDraft.algorithm = OtpAlgorithm::sha512;
    tokenDraft.digits = 8;
    tokenDraft.hotpCounter = 7;
    tokenDraft.tags = {" work", "Work", "", "home"};

    const OtpAccount added = add(tokenDraft);

    EXPECT_EQ(added.issuer, "Example");
    EXPECT_EQ(added.accountName, "alice");
    EXPECT_EQ(added.type, OtpType::hotp);
    EXPECT_EQ(added.algorithm, OtpAlgorithm::sha512);
    EXPECT_EQ(added.digits, 8);
    EXPECT_EQ(added.hotpCounter, 7);
    EXPECT_EQ(added.tags, (std::vector<std::string>{"home", "work"}));
    EXPECT_EQ(added.createdAt, startTime);
    EXPECT_EQ(added.updatedAt, startTime);
    EXPECT_FALSE(added.isFavorite);
    EXPECT_FALSE(added.lastUsedAt);
    EXPECT_FALSE(added.trashedAt);
    EXPECT_NE(added.secretRef.rawValue, added.id.toString());
    EXPECT_TRUE(Uuid::parse(added.secretRef.rawValue));
    EXPECT_EQ(added.secretRef.rawValue, Uuid::parse(added.secretRef.rawValue)->toString()) << "upper case";

    EXPECT_EQ(repository.accounts(), (std::vector<OtpAccount>{existing, added}));
    EXPECT_EQ(secretStore.secret(added.secretRef), codec.decode(validSecret));
}

TEST_F(AddTokenTest, WritesTheSecretBeforeTheListThatRefersToIt) {
    bool secretPresentAtSave = false;
    repository.observeSaves([&](const std::vector<OtpAccount>& accounts) {
        secretPresentAtSave = secretStore.contains(accounts.back().secretRef);
    });
    add(draft("Example", "alice"));
    EXPECT_TRUE(secretPresentAtSave);
}

struct RejectedDraft {
    const char* name;
    std::function<void(TokenDraft&)> change;
    QuorbitError::Case expected;
    friend void PrintTo(const RejectedDraft& draft, std::ostream* out) { *out << draft.name; }
};

class AddTokenRejectsTest : public AddTokenTest, public ::testing::WithParamInterface<RejectedDraft> {};

TEST_P(AddTokenRejectsTest, WithoutWritingAnything) {
    TokenDraft tokenDraft = draft("Example", "alice");
    GetParam().change(tokenDraft);
    EXPECT_EQ(errorCaseOf([&] { add(tokenDraft); }), GetParam().expected);
    expectNothingWritten();
}

using C = QuorbitError::Case;
INSTANTIATE_TEST_SUITE_P(
    Drafts, AddTokenRejectsTest,
    ::testing::Values(RejectedDraft{"NotBase32", [](TokenDraft& d) { d.secretBase32 = SecretBytes::fromText("JBSW1"); },
                                    C::invalidSecret},
                      RejectedDraft{"SecretOfSkippedCharactersOnly",
                                    [](TokenDraft& d) { d.secretBase32 = SecretBytes::fromText(" -= "); },
                                    C::invalidSecret},
                      RejectedDraft{"FiveDigits", [](TokenDraft& d) { d.digits = 5; }, C::invalidSecret},
                      RejectedDraft{"NineDigits", [](TokenDraft& d) { d.digits = 9; }, C::invalidSecret},
                      RejectedDraft{"TotpPeriodZero", [](TokenDraft& d) { d.period = 0; }, C::invalidSecret},
                      RejectedDraft{"NegativeHotpCounter",
                                    [](TokenDraft& d) {
                                        d.type = OtpType::hotp;
                                        d.hotpCounter = -1;
                                    },
                                    C::invalidSecret},
                      RejectedDraft{"BlankNames",
                                    [](TokenDraft& d) {
                                        d.issuer = "  ";
                                        d.accountName = "\n";
                                    },
                                    C::invalidTokenURI},
                      RejectedDraft{"BadSecretIsReportedBeforeBlankNames",
                                    [](TokenDraft& d) {
                                        d.issuer = d.accountName = " ";
                                        d.secretBase32 = SecretBytes::fromText("0000");
                                    },
                                    C::invalidSecret}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(AddTokenTest, AcceptsOneEmptyNameAndAHotpPeriodOfZero) {
    TokenDraft hotp = draft("", "alice");
    hotp.type = OtpType::hotp;
    hotp.period = 0;
    EXPECT_EQ(add(hotp).period, 0);
    EXPECT_EQ(add(draft("Example", "")).issuer, "Example");
    EXPECT_EQ(repository.accounts().size(), 2u);
}

TEST_F(AddTokenTest, RefusesADuplicateIgnoringCaseAndSurroundingBlanksUnlessTheOriginalIsInTheTrash) {
    const OtpAccount first = add(draft("Example", "alice"));
    EXPECT_EQ(errorCaseOf([&] { add(draft(" EXAMPLE ", "Alice  ")); }), C::duplicateAccount);
    EXPECT_EQ(repository.accounts().size(), 1u);

    std::vector<OtpAccount> accounts = repository.accounts();
    accounts[0].trashedAt = startTime;
    repository.setAccounts(accounts);
    EXPECT_NO_THROW(add(draft(" EXAMPLE ", "Alice  ")));
    EXPECT_EQ(repository.accounts().size(), 2u);
}

TEST_F(AddTokenTest, ComparesStoredNamesAsStoredWithoutTrimming) {
    repository.setAccounts({storedAccount(" Example", "alice")});
    EXPECT_NO_THROW(add(draft("Example", "alice")));
}

TEST_F(AddTokenTest, PassesPortFailuresOnAndTakesBackASecretWhoseListSaveFailed) {
    repository.failLoadsWith(QuorbitError::persistenceFailure("unreadable"));
    EXPECT_EQ(errorCaseOf([&] { add(draft("Example", "alice")); }), C::persistenceFailure);
    expectNothingWritten();

    repository.failLoadsWith(std::nullopt);
    secretStore.failSavesWith(QuorbitError(C::keychainAccessDenied));
    EXPECT_EQ(errorCaseOf([&] { add(draft("Example", "alice")); }), C::keychainAccessDenied);
    expectNothingWritten();

    secretStore.failSavesWith(std::nullopt);
    repository.failSavesWith(QuorbitError::persistenceFailure("disk full"));
    EXPECT_EQ(errorCaseOf([&] { add(draft("Example", "alice")); }), C::persistenceFailure);
    EXPECT_TRUE(repository.accounts().empty());
    EXPECT_EQ(secretStore.size(), 0u) << "the secret of the unsaved account is deleted again";

    secretStore.failDeletesWith(QuorbitError(C::keychainAccessDenied));
    EXPECT_EQ(errorCaseOf([&] { add(draft("Example", "alice")); }), C::persistenceFailure)
        << "a failed take-back does not hide why the add failed";
}

}  // namespace
}  // namespace quorbit::test
