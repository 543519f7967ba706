#include "application/usecases/PendingImport.h"

#include <gtest/gtest.h>

#include "UseCaseFixture.h"

namespace quorbit::test {
namespace {

using C = QuorbitError::Case;

struct PendingImportTest : UseCaseFixture {
    static PendingImport::Entry entry(const std::string& issuer, const std::string& accountName) {
        OtpAccount account = storedAccount(issuer, accountName);
        return {account, SecretBytes::fromText("secret of " + accountName), issuer, accountName};
    }

    PendingImport pendingOf(std::vector<PendingImport::Entry> entries, PendingImport::WhenTaken whenTaken) {
        return PendingImport(std::move(entries), whenTaken);
    }

    static std::vector<std::string> names(const std::vector<OtpAccount>& accounts) {
        std::vector<std::string> result;
        for (const OtpAccount& account : accounts) result.push_back(account.accountName);
        return result;
    }
};

// Other work runs between the slices of an import: the save keeps what it did to the list.
TEST_F(PendingImportTest, TheSaveKeepsWhatChangedInTheListMeanwhile) {
    OtpAccount used = storedAccount("Stored", "used");
    repository.setAccounts({used});
    PendingImport pending = pendingOf({entry("New", "a"), entry("New", "b")}, PendingImport::WhenTaken::fail);
    pending.writeSecrets(secretStore, [&] { return pending.secretsWritten() == 1; });

    used.lastUsedAt = startTime;
    repository.setAccounts({used, storedAccount("Other", "added meanwhile")});
    pending.writeSecrets(secretStore, {});
    const std::vector<OtpAccount> added = pending.commit(repository, secretStore);

    EXPECT_EQ(names(added), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(names(repository.accounts()), (std::vector<std::string>{"used", "added meanwhile", "a", "b"}));
    EXPECT_EQ(repository.accounts().front().lastUsedAt, startTime);
    EXPECT_EQ(repository.saveCount(), 1);
    EXPECT_EQ(secretStore.size(), 2u);
}

// The same account may have been added while the secrets were written: an all-or-nothing
// import then fails whole, a merge skips that one account.
TEST_F(PendingImportTest, AnAccountAddedMeanwhileFailsOrIsSkippedWithItsSecretRemoved) {
    for (const auto whenTaken : {PendingImport::WhenTaken::fail, PendingImport::WhenTaken::skip}) {
        repository.setAccounts({});
        PendingImport pending = pendingOf({entry("New", "a"), entry("New", "b")}, whenTaken);
        pending.writeSecrets(secretStore, {});
        repository.setAccounts({storedAccount("NEW", "B")});

        if (whenTaken == PendingImport::WhenTaken::fail) {
            EXPECT_EQ(errorCaseOf([&] { pending.commit(repository, secretStore); }), C::duplicateAccount);
            EXPECT_EQ(repository.accounts().size(), 1u);
            EXPECT_EQ(secretStore.size(), 0u);
        } else {
            EXPECT_EQ(names(pending.commit(repository, secretStore)), (std::vector<std::string>{"a"}));
            EXPECT_EQ(names(repository.accounts()), (std::vector<std::string>{"B", "a"}));
            EXPECT_EQ(secretStore.size(), 1u);
        }
    }
}

TEST_F(PendingImportTest, ATakenIdIsReplacedAndACancelledImportIsDiscarded) {
    PendingImport::Entry first = entry("New", "a");
    OtpAccount holder = storedAccount("Stored", "holder");
    holder.id = first.account.id;
    repository.setAccounts({holder});
    PendingImport kept = pendingOf({first}, PendingImport::WhenTaken::skip);
    const std::vector<OtpAccount> added = kept.storeAll(repository, secretStore);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_NE(added.front().id, holder.id);

    PendingImport cancelled = pendingOf({entry("New", "b"), entry("New", "c")}, PendingImport::WhenTaken::fail);
    cancelled.writeSecrets(secretStore, [&] { return cancelled.secretsWritten() == 1; });
    EXPECT_EQ(secretStore.size(), 2u);
    cancelled.discard(secretStore);
    EXPECT_EQ(secretStore.size(), 1u);
    EXPECT_EQ(cancelled.secretsWritten(), 0u);
    EXPECT_EQ(repository.saveCount(), 1);
}

}  // namespace
}  // namespace quorbit::test
