#include <gtest/gtest.h>

#include "UseCaseFixture.h"
#include "application/usecases/DeleteAccountPermanently.h"
#include "application/usecases/DeleteAllTokens.h"

namespace quorbit::test {
namespace {

using C = QuorbitError::Case;

struct DeleteUseCasesTest : UseCaseFixture {
    std::vector<OtpAccount> accounts{storedAccount("Alpha", "a"), storedAccount("Beta", "b"),
                                     storedAccount("Gamma", "c")};

    DeleteUseCasesTest() {
        accounts[2].trashedAt = startTime;
        repository.setAccounts(accounts);
        for (const OtpAccount& account : accounts) secretStore.saveSecret(SecretBytes{1, 2, 3}, account.secretRef);
    }
};

TEST_F(DeleteUseCasesTest, DeletePermanentlyRemovesTheSecretFirstThenTheAccount) {
    bool secretGoneAtSave = false;
    repository.observeSaves(
        [&](const std::vector<OtpAccount>&) { secretGoneAtSave = !secretStore.contains(accounts[1].secretRef); });

    DeleteAccountPermanently(repository, secretStore).execute(accounts[1].id);

    EXPECT_TRUE(secretGoneAtSave);
    EXPECT_EQ(repository.accounts(), (std::vector<OtpAccount>{accounts[0], accounts[2]}));
    EXPECT_EQ(secretStore.size(), 2u);
}

TEST_F(DeleteUseCasesTest, DeletePermanentlyTakesAccountsInAndOutOfTheTrash) {
    DeleteAccountPermanently(repository, secretStore).execute(accounts[2].id);
    DeleteAccountPermanently(repository, secretStore).execute(accounts[0].id);
    EXPECT_EQ(repository.accounts(), (std::vector<OtpAccount>{accounts[1]}));
}

TEST_F(DeleteUseCasesTest, DeletePermanentlyKeepsTheListWhenTheSecretCannotBeDeleted) {
    secretStore.failDeletesWith(QuorbitError(C::keychainAccessDenied));
    EXPECT_EQ(errorCaseOf([&] { DeleteAccountPermanently(repository, secretStore).execute(accounts[1].id); }),
              C::keychainAccessDenied);
    EXPECT_EQ(repository.saveCount(), 0);
    EXPECT_TRUE(secretStore.contains(accounts[1].secretRef));
}

TEST_F(DeleteUseCasesTest, DeletePermanentlyLeavesTheAccountListedWhenTheSaveFails) {
    repository.failSavesWith(QuorbitError::persistenceFailure("disk full"));
    EXPECT_EQ(errorCaseOf([&] { DeleteAccountPermanently(repository, secretStore).execute(accounts[1].id); }),
              C::persistenceFailure);
    EXPECT_EQ(repository.accounts(), accounts);
    EXPECT_FALSE(secretStore.contains(accounts[1].secretRef));
}

TEST_F(DeleteUseCasesTest, DeleteAllRemovesEverySecretBeforeSavingAnEmptyList) {
    std::size_t secretsAtSave = 99;
    repository.observeSaves([&](const std::vector<OtpAccount>&) { secretsAtSave = secretStore.size(); });

    DeleteAllTokens(repository, secretStore).execute();

    EXPECT_EQ(secretsAtSave, 0u);
    EXPECT_TRUE(repository.accounts().empty());
    EXPECT_EQ(repository.saveCount(), 1);
    EXPECT_EQ(secretStore.deleteRequests(),
              (std::vector<OtpSecretRef>{accounts[0].secretRef, accounts[1].secretRef, accounts[2].secretRef}));
}

TEST_F(DeleteUseCasesTest, DeleteAllOnAnEmptyListSavesAnEmptyListAndDeletesNothing) {
    repository.setAccounts({});
    DeleteAllTokens(repository, secretStore).execute();
    EXPECT_EQ(repository.saveCount(), 1);
    EXPECT_TRUE(secretStore.deleteRequests().empty());
}

TEST_F(DeleteUseCasesTest, DeleteAllStopsAtTheFirstFailedDeletionAndKeepsTheList) {
    secretStore.failDeletesWith(QuorbitError::keychainFailure("boom"), accounts[1].secretRef);
    EXPECT_EQ(errorCaseOf([&] { DeleteAllTokens(repository, secretStore).execute(); }), C::keychainFailure);
    EXPECT_FALSE(secretStore.contains(accounts[0].secretRef));
    EXPECT_TRUE(secretStore.contains(accounts[2].secretRef));
    EXPECT_EQ(secretStore.deleteRequests().size(), 2u);
    EXPECT_EQ(repository.saveCount(), 0);
}

}  // namespace
}  // namespace quorbit::test
