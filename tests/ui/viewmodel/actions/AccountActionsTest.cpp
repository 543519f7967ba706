#include <gtest/gtest.h>

#include <functional>

#include "ui/viewmodel/DataActionsFixture.h"

namespace quorbit::test {
namespace {

using Kind = SecurityEventKind;

using AccountActionsTest = DataActionsFixture;

struct ActionCase {
    const char* name;
    std::function<QCoro::Task<>(QuorbitViewModel&, OtpAccount)> action;
    std::function<void(OtpAccount&)> prepare;
    std::optional<QString> status;
    std::optional<std::pair<Kind, std::string>> event;
    std::function<bool(const std::vector<OtpAccount>&)> stored;
};

// One row per action: its text, its event (labelled with the account name when the issuer is
// empty) and what the file holds afterwards.
TEST_F(AccountActionsTest, EachActionStoresItsChangeShowsItsTextAndLogsItsEvent) {
    const std::vector<ActionCase> cases{
        {"favorite", [](QuorbitViewModel& vm, OtpAccount a) { return vm.toggleFavorite(a); }, [](OtpAccount&) {},
         std::nullopt, std::nullopt, [](const auto& list) { return list.front().isFavorite; }},
        {"advance", [](QuorbitViewModel& vm, OtpAccount a) { return vm.advanceHotpCounter(a); },
         [](OtpAccount& a) {
             a.type = OtpType::hotp;
             a.hotpCounter = 7;
         },
         "HOTP counter advanced", std::nullopt, [](const auto& list) { return list.front().hotpCounter == 8; }},
        {"trash", [](QuorbitViewModel& vm, OtpAccount a) { return vm.moveToTrash(a); }, [](OtpAccount&) {},
         "Moved to Trash", std::pair{Kind::accountMovedToTrash, "Account moved to trash"},
         [](const auto& list) { return list.front().isTrashed(); }},
        {"restore", [](QuorbitViewModel& vm, OtpAccount a) { return vm.restore(a); },
         [](OtpAccount& a) { a.trashedAt = startTime; }, "Restored",
         std::pair{Kind::accountRestored, "Account restored"},
         [](const auto& list) { return !list.front().isTrashed(); }},
        {"delete", [](QuorbitViewModel& vm, OtpAccount a) { return vm.deletePermanently(a); }, [](OtpAccount&) {},
         "Deleted", std::pair{Kind::accountDeletedPermanently, "Account permanently deleted"},
         [](const auto& list) { return list.empty(); }},
    };
    QuorbitViewModel& vm = loadedModel();
    for (const ActionCase& test : cases) {
        for (const std::string issuer : {"Bank", ""}) {
            OtpAccount account = storedAccount(issuer, "me@example.com");
            test.prepare(account);
            secrets.saveSecret(SecretBytes::fromText("secret-bytes"), account.secretRef);
            repository.setAccounts({account});
            events.clearEvents();
            vm.setStatusMessage(QStringLiteral("before"));

            run(test.action(vm, account));

            SCOPED_TRACE(std::string(test.name) + " issuer '" + issuer + "'");
            EXPECT_TRUE(test.stored(repository.accounts()));
            EXPECT_EQ(vm.accounts(), repository.accounts());
            EXPECT_EQ(vm.statusMessage(), test.status.value_or(QStringLiteral("before")));
            if (!test.event) {
                EXPECT_TRUE(events.events().empty());
                continue;
            }
            ASSERT_EQ(events.events().size(), 1u);
            const SecurityEvent event = events.events().front();
            EXPECT_EQ(std::pair(event.kind, event.message), *test.event);
            EXPECT_EQ(event.accountId, account.id);
            EXPECT_EQ(event.accountLabel, issuer.empty() ? "me@example.com" : issuer);
        }
    }
}

TEST_F(AccountActionsTest, AdvancingATotpAccountSavesNothingAndStillReports) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();

    run(vm.advanceHotpCounter(account));

    EXPECT_EQ(repository.saveCount(), 0);
    EXPECT_EQ(vm.statusMessage(), "HOTP counter advanced");
}

// The deleted secret must not be served from memory: a copy of the old row finds no account.
TEST_F(AccountActionsTest, DeletingForgetsTheCachedSecret) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    run(vm.copyCode(account));

    run(vm.deletePermanently(account));
    run(vm.copyCode(account));

    EXPECT_FALSE(secrets.contains(account.secretRef));
    EXPECT_EQ(clipboard.copies().size(), 1u);
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::accountNotFound));
}

TEST_F(AccountActionsTest, AnAccountAlreadyGoneLogsNothing) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    repository.setAccounts({});

    run(vm.moveToTrash(account));

    EXPECT_TRUE(events.events().empty());
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::accountNotFound));
}

// The vault locked by idle time: the change is stored, the reload asks and is refused. The
// event is already written, since the change happened.
TEST_F(AccountActionsTest, ARefusedReloadKeepsTheChangeAndItsEvent) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    vault.lock();
    unlocker.setAccepts(false);

    run(vm.moveToTrash(account));

    EXPECT_TRUE(repository.accounts().front().isTrashed());
    EXPECT_EQ(loggedEvents(),
              (std::vector<std::pair<Kind, std::string>>{{Kind::accountMovedToTrash, "Account moved to trash"}}));
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::locked));
}

TEST_F(AccountActionsTest, DeletingFromALockedVaultAsksFirstAndARefusalDeletesNothing) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    vault.lock();
    unlocker.setAccepts(false);

    run(vm.deletePermanently(account));

    EXPECT_EQ(unlocker.reasons().size(), 2u);
    EXPECT_EQ(repository.accounts(), std::vector<OtpAccount>{account});
    EXPECT_TRUE(secrets.contains(account.secretRef));
    EXPECT_TRUE(events.events().empty());
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::locked));
}

// Each load-change-save is one job on the worker, so neither action overwrites the other.
TEST_F(AccountActionsTest, TwoActionsStartedTogetherBothLand) {
    const OtpAccount a = store("A", "a");
    const OtpAccount b = store("B", "b");
    QuorbitViewModel& vm = loadedModel();

    // Tasks start at once: all three run before the first is awaited.
    QCoro::Task<> favorite = vm.toggleFavorite(a);
    QCoro::Task<> trash = vm.moveToTrash(b);
    QCoro::Task<> copy = vm.copyCode(a);
    run(std::move(favorite));
    run(std::move(trash));
    run(std::move(copy));

    const std::vector<OtpAccount> stored = repository.accounts();
    EXPECT_TRUE(stored[0].isFavorite);
    EXPECT_TRUE(stored[0].lastUsedAt.has_value());
    EXPECT_TRUE(stored[1].isTrashed());
}

}  // namespace
}  // namespace quorbit::test
