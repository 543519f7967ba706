#include <gtest/gtest.h>

#include <ostream>

#include <limits>

#include "UseCaseFixture.h"
#include "application/usecases/AdvanceHotpCounter.h"
#include "application/usecases/DeleteAccountPermanently.h"
#include "application/usecases/MarkFavorite.h"
#include "application/usecases/MoveToTrash.h"
#include "application/usecases/RestoreAccount.h"
#include "application/usecases/UpdateAccountOtpSettings.h"

namespace quorbit::test {
namespace {

using C = QuorbitError::Case;
using std::chrono::seconds;

// Three stored accounts; the middle one is changed so that a moved or mixed-up element shows.
struct AccountMutationsTest : UseCaseFixture {
    OtpAccount before = storedAccount("Alpha", "a");
    OtpAccount target = storedAccount("Beta", "b");
    OtpAccount after = storedAccount("Gamma", "c");

    AccountMutationsTest() {
        target.lastUsedAt = startTime - seconds(5);
        target.tags = {"work"};
        repository.setAccounts({before, target, after});
        clock.advance(seconds(60));
    }

    OtpAccount saved() const { return repository.accounts().at(1); }

    // The fields that no mutation may touch, and the neighbours, are as they were.
    void expectOnlyOtpFieldsChanged() const {
        const std::vector<OtpAccount> accounts = repository.accounts();
        ASSERT_EQ(accounts.size(), 3u);
        EXPECT_EQ(accounts[0], before);
        EXPECT_EQ(accounts[2], after);
        EXPECT_EQ(accounts[1].id, target.id);
        EXPECT_EQ(accounts[1].issuer, target.issuer);
        EXPECT_EQ(accounts[1].accountName, target.accountName);
        EXPECT_EQ(accounts[1].secretRef, target.secretRef);
        EXPECT_EQ(accounts[1].createdAt, target.createdAt);
        EXPECT_EQ(accounts[1].lastUsedAt, target.lastUsedAt);
    }
};

TEST_F(AccountMutationsTest, UpdateOtpSettingsCopiesTheDraftAndRaisesANegativeCounterToZero) {
    const OtpSettingsDraft settings{OtpType::hotp, OtpAlgorithm::sha256, 7, 0, -5, {"b", "A"}};
    const OtpAccount updated = UpdateAccountOtpSettings(repository, clock).execute(target.id, settings);

    EXPECT_EQ(updated, saved());
    EXPECT_EQ(updated.type, OtpType::hotp);
    EXPECT_EQ(updated.algorithm, OtpAlgorithm::sha256);
    EXPECT_EQ(updated.digits, 7);
    EXPECT_EQ(updated.period, 0);
    EXPECT_EQ(updated.hotpCounter, 0);
    EXPECT_EQ(updated.tags, settings.tags) << "the caller normalises";
    EXPECT_EQ(updated.updatedAt, clock.now());
    expectOnlyOtpFieldsChanged();
}

TEST_F(AccountMutationsTest, UpdateOtpSettingsRejectsUnusableNumbersBeforeLoading) {
    for (const OtpSettingsDraft& settings : {OtpSettingsDraft{OtpType::totp, OtpAlgorithm::sha1, 9, 30, 0, {}},
                                             OtpSettingsDraft{OtpType::hotp, OtpAlgorithm::sha1, 5, 30, 0, {}},
                                             OtpSettingsDraft{OtpType::totp, OtpAlgorithm::sha1, 6, 0, 0, {}}}) {
        EXPECT_EQ(errorCaseOf([&] { UpdateAccountOtpSettings(repository, clock).execute(target.id, settings); }),
                  C::invalidSecret)
            << settings.digits << " digits, period " << settings.period;
    }
    EXPECT_EQ(repository.loadCount(), 0);
}

TEST_F(AccountMutationsTest, AdvanceHotpCounterLeavesATotpAccountUnsaved) {
    EXPECT_EQ(AdvanceHotpCounter(repository, clock).execute(target.id), target);
    EXPECT_EQ(repository.saveCount(), 0);
}

TEST_F(AccountMutationsTest, AdvanceHotpCounterStepsAHotpAccountByOne) {
    target.type = OtpType::hotp;
    target.hotpCounter = 41;
    repository.setAccounts({before, target, after});

    const OtpAccount advanced = AdvanceHotpCounter(repository, clock).execute(target.id);

    EXPECT_EQ(advanced, saved());
    EXPECT_EQ(advanced.hotpCounter, 42);
    EXPECT_EQ(advanced.updatedAt, clock.now());
    expectOnlyOtpFieldsChanged();
}

TEST_F(AccountMutationsTest, AdvanceHotpCounterRefusesToOverflowTheCounter) {
    target.type = OtpType::hotp;
    target.hotpCounter = std::numeric_limits<std::int64_t>::max();
    repository.setAccounts({before, target, after});

    EXPECT_EQ(errorCaseOf([&] { AdvanceHotpCounter(repository, clock).execute(target.id); }), C::invalidSecret);
    EXPECT_EQ(repository.saveCount(), 0);
}

TEST_F(AccountMutationsTest, MarkFavoriteStampsAndSavesEvenWhenTheFlagIsUnchanged) {
    MarkFavorite(repository, clock).execute(target.id, false);
    EXPECT_EQ(repository.saveCount(), 1);
    EXPECT_EQ(saved().updatedAt, clock.now());

    MarkFavorite(repository, clock).execute(target.id, true);
    EXPECT_TRUE(saved().isFavorite);
    expectOnlyOtpFieldsChanged();
}

TEST_F(AccountMutationsTest, MoveToTrashAndRestoreSetAndClearTheTrashDate) {
    MoveToTrash(repository, clock).execute(target.id);
    EXPECT_EQ(saved().trashedAt, clock.now());
    EXPECT_EQ(saved().updatedAt, clock.now());

    clock.advance(seconds(10));
    MoveToTrash(repository, clock).execute(target.id);
    EXPECT_EQ(saved().trashedAt, clock.now()) << "already trashed: a fresh date";

    clock.advance(seconds(10));
    RestoreAccount(repository, clock).execute(target.id);
    EXPECT_FALSE(saved().isTrashed());
    EXPECT_EQ(saved().updatedAt, clock.now());
    expectOnlyOtpFieldsChanged();
}

TEST_F(AccountMutationsTest, ATrashedAccountCanStillBeEdited) {
    target.trashedAt = startTime;
    repository.setAccounts({before, target, after});
    MarkFavorite(repository, clock).execute(target.id, true);
    EXPECT_TRUE(saved().isFavorite);
    EXPECT_TRUE(saved().isTrashed());
}

struct SingleAccountAction {
    const char* name;
    std::function<void(AccountMutationsTest&, const Uuid&)> run;
    friend void PrintTo(const SingleAccountAction& action, std::ostream* out) { *out << action.name; }
};

class SingleAccountActionTest : public AccountMutationsTest,
                                public ::testing::WithParamInterface<SingleAccountAction> {};

TEST_P(SingleAccountActionTest, FailsWithAccountNotFoundAndWritesNothing) {
    EXPECT_EQ(errorCaseOf([&] { GetParam().run(*this, Uuid::random()); }), C::accountNotFound);
    EXPECT_EQ(repository.saveCount(), 0);
    EXPECT_TRUE(secretStore.deleteRequests().empty());
}

TEST_P(SingleAccountActionTest, PassesRepositoryFailuresOn) {
    repository.failLoadsWith(QuorbitError::persistenceFailure("unreadable"));
    EXPECT_EQ(errorCaseOf([&] { GetParam().run(*this, target.id); }), C::persistenceFailure);
    repository.failLoadsWith(std::nullopt);
    repository.failSavesWith(QuorbitError::persistenceFailure("disk full"));
    EXPECT_EQ(errorCaseOf([&] { GetParam().run(*this, target.id); }), C::persistenceFailure);
}

INSTANTIATE_TEST_SUITE_P(
    UseCases, SingleAccountActionTest,
    ::testing::Values(
        SingleAccountAction{"UpdateAccountOtpSettings",
                            [](AccountMutationsTest& self, const Uuid& id) {
                                UpdateAccountOtpSettings(self.repository, self.clock).execute(id, OtpSettingsDraft{});
                            }},
        SingleAccountAction{"AdvanceHotpCounter",
                            [](AccountMutationsTest& self, const Uuid& id) {
                                std::vector<OtpAccount> accounts = self.repository.accounts();
                                for (OtpAccount& account : accounts) account.type = OtpType::hotp;
                                self.repository.setAccounts(accounts);
                                AdvanceHotpCounter(self.repository, self.clock).execute(id);
                            }},
        SingleAccountAction{"MarkFavorite",
                            [](AccountMutationsTest& self, const Uuid& id) {
                                MarkFavorite(self.repository, self.clock).execute(id, true);
                            }},
        SingleAccountAction{
            "MoveToTrash",
            [](AccountMutationsTest& self, const Uuid& id) { MoveToTrash(self.repository, self.clock).execute(id); }},
        SingleAccountAction{"RestoreAccount",
                            [](AccountMutationsTest& self, const Uuid& id) {
                                RestoreAccount(self.repository, self.clock).execute(id);
                            }},
        SingleAccountAction{"DeleteAccountPermanently",
                            [](AccountMutationsTest& self, const Uuid& id) {
                                DeleteAccountPermanently(self.repository, self.secretStore).execute(id);
                            }}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quorbit::test
