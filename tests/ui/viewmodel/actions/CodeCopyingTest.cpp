#include <gtest/gtest.h>

#include <limits>

#include <QWidget>

#include "application/settings/CodeFormat.h"
#include "ui/viewmodel/DataActionsFixture.h"

namespace quorbit::test {
namespace {

using Kind = SecurityEventKind;

class CodeCopyingTest : public DataActionsFixture {
protected:
    OtpAccount storeHotp(std::int64_t counter) {
        OtpAccount account = storedAccount("Bank", "me");
        account.type = OtpType::hotp;
        account.hotpCounter = counter;
        secrets.saveSecret(SecretBytes::fromText("secret-bytes"), account.secretRef);
        repository.appendAccount(account);
        return account;
    }

    OtpAccount storeTrashed(std::string issuer, std::string name) {
        OtpAccount account = storedAccount(std::move(issuer), std::move(name));
        account.trashedAt = startTime;
        repository.appendAccount(account);
        return account;
    }

    std::string hotpCode(std::int64_t counter) const {
        return generator.hotpCode(SecretBytes::fromText("secret-bytes"), OtpAlgorithm::sha1, 6, counter);
    }

    std::vector<std::string> copiedTexts() const {
        std::vector<std::string> texts;
        for (const FakeClipboard::Copy& copy : clipboard.copies()) texts.push_back(copy.text);
        return texts;
    }
};

TEST_F(CodeCopyingTest, HotpCopiesTheStoredCounterAndStoresTheNextOne) {
    const OtpAccount account = storeHotp(5);
    QuorbitViewModel& vm = loadedModel();
    clock.advance(std::chrono::minutes(3));

    run(vm.copyCode(account));

    EXPECT_EQ(copiedTexts(), std::vector<std::string>{hotpCode(5)});
    const OtpAccount stored = repository.accounts().front();
    EXPECT_EQ(stored.hotpCounter, 6);
    EXPECT_EQ(stored.lastUsedAt, clock.now());
    EXPECT_EQ(stored.updatedAt, clock.now());
    EXPECT_EQ(vm.accounts().front(), stored);
    EXPECT_TRUE(vm.revealedAccountIDs().contains(account.id));
    ASSERT_EQ(events.events().size(), 1u);
    EXPECT_EQ(events.events().front().kind, Kind::codeCopied);
    EXPECT_EQ(events.events().front().message, "Code copied");
    EXPECT_EQ(events.events().front().accountId, account.id);
    EXPECT_EQ(events.events().front().accountLabel, "Bank");
}

TEST_F(CodeCopyingTest, TheClipboardGetsTheRawCodeAndTheStatusTheGroupedOne) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    changeSettings([&](AppSettings& settings) { settings.codeFormat = CodeFormat::grouped; });

    run(vm.copyCode(account));

    ASSERT_EQ(clipboard.copies().size(), 1u);
    const std::string code = clipboard.copies().front().text;
    ASSERT_EQ(code.size(), 6u);
    EXPECT_EQ(code.find(' '), std::string::npos);
    EXPECT_EQ(vm.statusMessage(), QString::fromStdString("Copied " + code.substr(0, 3) + " " + code.substr(3)));
}

TEST_F(CodeCopyingTest, TheClearDelayFollowsTheSetting) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    const std::vector<std::pair<ClipboardClearDuration, std::optional<std::chrono::seconds>>> cases{
        {ClipboardClearDuration::tenSeconds, std::chrono::seconds(10)},
        {ClipboardClearDuration::sixtySeconds, std::chrono::seconds(60)},
        {ClipboardClearDuration::never, std::nullopt},
    };
    for (const auto& [duration, clearAfter] : cases) {
        changeSettings([&](AppSettings& settings) { settings.clipboardClear = duration; });
        run(vm.copyCode(account));
        EXPECT_EQ(clipboard.copies().back().clearAfter, clearAfter) << rawValue(duration);
    }
}

TEST_F(CodeCopyingTest, TheEventLabelFallsBackToTheAccountName) {
    const OtpAccount account = store("", "alice@example.com");
    QuorbitViewModel& vm = loadedModel();

    run(vm.copyCode(account));

    ASSERT_EQ(events.events().size(), 1u);
    EXPECT_EQ(events.events().front().accountLabel, "alice@example.com");
}

TEST_F(CodeCopyingTest, AnAccountGoneFromTheFileCopiesNothing) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    repository.setAccounts({});

    run(vm.copyCode(account));

    EXPECT_TRUE(clipboard.copies().empty());
    EXPECT_TRUE(events.events().empty());
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::accountNotFound));
}

// Codes that cannot be made, and a counter that cannot advance, leave file and clipboard alone.
TEST_F(CodeCopyingTest, UnusableMaterialFailsWithInvalidSecretAndSavesNothing) {
    struct Case {
        const char* name;
        std::function<void(OtpAccount&)> change;
        std::optional<TimePoint> now;
    };
    const std::vector<Case> cases{
        {"counterAtItsEnd",
         [](OtpAccount& a) {
             a.type = OtpType::hotp;
             a.hotpCounter = std::numeric_limits<std::int64_t>::max();
         },
         {}},
        {"timeBefore1970", [](OtpAccount&) {}, TimePoint(std::chrono::seconds(-30))},
        {"digitsWiderThanInt", [](OtpAccount& a) { a.digits = (std::int64_t{1} << 32) + 6; }, {}},
        {"periodZero", [](OtpAccount& a) { a.period = 0; }, {}},
    };
    QuorbitViewModel& vm = loadedModel();
    for (const Case& test : cases) {
        OtpAccount account = storedAccount("Odd", test.name);
        test.change(account);
        secrets.saveSecret(SecretBytes::fromText("secret-bytes"), account.secretRef);
        repository.setAccounts({account});
        const int saves = repository.saveCount();
        if (test.now) clock.set(*test.now);

        run(vm.copyCode(account));

        EXPECT_EQ(repository.saveCount(), saves) << test.name;
        EXPECT_TRUE(clipboard.copies().empty()) << test.name;
        EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::invalidSecret)) << test.name;
        clock.set(startTime);
    }
}

TEST_F(CodeCopyingTest, ARefusedUnlockReadsNothing) {
    const OtpAccount account = store("Mail", "me");
    unlocker.setAccepts(false);
    QuorbitViewModel& vm = model();

    run(vm.copyCode(account));

    EXPECT_EQ(repository.loadCount(), 0);
    EXPECT_TRUE(clipboard.copies().empty());
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::locked));
}

TEST_F(CodeCopyingTest, ADeclinedKeyringNoticeChangesNothing) {
    const OtpAccount account = store("Mail", "me");
    dialogs.setDefaultAlertAnswer({false, false});
    QuorbitViewModel& vm = model();

    run(vm.copyCode(account));

    EXPECT_TRUE(clipboard.copies().empty());
    EXPECT_EQ(repository.loadCount(), 0);
    EXPECT_FALSE(vm.statusMessage().has_value());
}

// The copy is saved and on the clipboard: its event stays, and so does the mark, since no
// clearing is started; the panel stays open to show the error.
TEST_F(CodeCopyingTest, AFailedReloadKeepsTheCopyItsEventAndItsMark) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    changeSettings([&](AppSettings& settings) { settings.closeMenuAfterCopy = true; });
    int panelCloses = 0;
    vm.setClosePanelAction([&] { ++panelCloses; });
    repository.observeSaves([this](const std::vector<OtpAccount>&) {
        repository.failLoadsWith(QuorbitError::persistenceFailure("unreadable"));
    });

    run(vm.copyCode(account));

    EXPECT_EQ(clipboard.copies().size(), 1u);
    EXPECT_TRUE(repository.accounts().front().lastUsedAt.has_value());
    EXPECT_EQ(loggedEvents(), (std::vector<std::pair<Kind, std::string>>{{Kind::codeCopied, "Code copied"}}));
    EXPECT_EQ(vm.copiedAccountID(), account.id);
    EXPECT_TRUE(delays.requested().empty());
    EXPECT_EQ(panelCloses, 0);
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::persistenceFailure));
}

TEST_F(CodeCopyingTest, ALaterCopyOwnsTheMarkUntilItsOwnDelayEnds) {
    const OtpAccount a = store("A", "a");
    const OtpAccount b = store("B", "b");
    QuorbitViewModel& vm = loadedModel();
    delays.hold(true);

    run(vm.copyCode(a));
    run(vm.copyCode(b));
    ASSERT_EQ(delays.pending(), 2u);
    EXPECT_EQ(delays.requested(), (std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1200),
                                                                          std::chrono::milliseconds(1200)}));

    delays.elapseOldest();
    EXPECT_EQ(vm.copiedAccountID(), b.id);
    delays.elapseOldest();
    EXPECT_FALSE(vm.copiedAccountID().has_value());
    EXPECT_EQ(vm.revealedAccountIDs(), (std::set<Uuid>{a.id, b.id}));
}

TEST_F(CodeCopyingTest, CloseAfterCopyOrdersThePanelOut) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    int panelCloses = 0;
    vm.setClosePanelAction([&] { ++panelCloses; });

    run(vm.copyCode(account));
    EXPECT_EQ(panelCloses, 0);

    changeSettings([&](AppSettings& settings) { settings.closeMenuAfterCopy = true; });
    run(vm.copyCode(account));
    EXPECT_EQ(panelCloses, 1);
}

TEST_F(CodeCopyingTest, CloseAfterCopyWithoutAPanelClosesTheFocusedWindow) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    changeSettings([&](AppSettings& settings) { settings.closeMenuAfterCopy = true; });
    QWidget window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    run(vm.copyCode(account));

    EXPECT_FALSE(window.isVisible());
}

TEST_F(CodeCopyingTest, TheSecretCacheSparesASecondStoreRead) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    run(vm.copyCode(account));
    secrets.failLoadsWith(QuorbitError(QuorbitError::Case::keychainAccessDenied));

    run(vm.copyCode(account));

    EXPECT_EQ(clipboard.copies().size(), 2u);
}

TEST_F(CodeCopyingTest, ALockDuringTheCopyPutsNothingOnTheClipboard) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    repository.observeSaves([&vm](const std::vector<OtpAccount>&) {
        QMetaObject::invokeMethod(
            &vm, [&vm] { vm.lock(); }, Qt::BlockingQueuedConnection);
    });

    run(vm.copyCode(account));

    EXPECT_TRUE(clipboard.copies().empty());
    EXPECT_FALSE(vm.copiedAccountID().has_value());
    EXPECT_TRUE(vm.revealedAccountIDs().empty());
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::locked));
}

TEST_F(CodeCopyingTest, ALockTakesTheCopiedCodeOffTheStatusLineButKeepsOtherTexts) {
    const OtpAccount account = store("Mail", "me");
    QuorbitViewModel& vm = loadedModel();
    run(vm.copyCode(account));
    ASSERT_TRUE(vm.statusMessage().has_value());

    vm.lock();
    EXPECT_FALSE(vm.statusMessage().has_value());

    run(vm.unlock());
    run(vm.copyCode(account));
    vm.setStatusMessage(QStringLiteral("Export failed"));
    vm.lock();
    EXPECT_EQ(vm.statusMessage(), QStringLiteral("Export failed"));
}

TEST_F(CodeCopyingTest, AClickCopiesOnlyOutsideTheTrashWithCopyOnClick) {
    const OtpAccount active = store("Mail", "me");
    const OtpAccount trashed = storeTrashed("Old", "me");
    QuorbitViewModel& vm = loadedModel();

    run(vm.primaryAction(trashed));
    EXPECT_TRUE(clipboard.copies().empty());
    EXPECT_EQ(vm.revealedAccountIDs(), std::set<Uuid>{trashed.id});

    run(vm.primaryAction(active));
    EXPECT_EQ(clipboard.copies().size(), 1u);

    changeSettings([&](AppSettings& settings) { settings.copyCodeOnClick = false; });
    run(vm.primaryAction(active));
    run(vm.primaryAction(trashed));
    EXPECT_EQ(vm.revealedAccountIDs(), (std::set<Uuid>{active.id, trashed.id}));
    run(vm.primaryAction(active));
    EXPECT_EQ(vm.revealedAccountIDs(), std::set<Uuid>{trashed.id});
    EXPECT_EQ(clipboard.copies().size(), 1u);
}

TEST_F(CodeCopyingTest, TheQuickAccountIsTheLastUsedOutsideTheTrashElseTheFirstVisible) {
    OtpAccount a = storedAccount("A", "a");
    a.lastUsedAt = startTime - std::chrono::hours(2);
    OtpAccount b = storedAccount("B", "b");
    b.lastUsedAt = startTime - std::chrono::hours(1);
    b.trashedAt = startTime;
    OtpAccount c = storedAccount("C", "c");
    OtpAccount alsoA = storedAccount("D", "d");
    alsoA.lastUsedAt = a.lastUsedAt;
    struct Case {
        const char* name;
        std::vector<OtpAccount> accounts;
        std::optional<Uuid> expected;
    };
    const std::vector<Case> cases{
        {"lastUsedOutsideTrash", {c, b, a}, a.id},
        {"firstOfEqualTimes", {c, a, alsoA}, a.id},
        {"firstVisibleWhenNoneUsed", {b, c}, c.id},
    };
    QuorbitViewModel& vm = model();
    for (const Case& test : cases) {
        repository.setAccounts(test.accounts);
        run(vm.reload());
        const std::optional<OtpAccount> quick = vm.quickAccessAccount();
        EXPECT_EQ(quick ? std::optional(quick->id) : std::nullopt, test.expected) << test.name;
    }
}

TEST_F(CodeCopyingTest, QuickCopyWithOnlyTrashedRowsVisibleSaysSo) {
    store("Mail", "me");
    storeTrashed("Old", "me");
    QuorbitViewModel& vm = loadedModel();
    changeSettings([&](AppSettings& settings) {
        settings.showTrashedTokens = true;
        settings.selectedAccountFilter = AccountFilterSelection::trash();
    });

    run(vm.copyQuickAccessCode());

    EXPECT_TRUE(clipboard.copies().empty());
    EXPECT_EQ(vm.statusMessage(), "No active account is available for quick copy.");
}

TEST_F(CodeCopyingTest, QuickCopyCopiesTheQuickAccount) {
    store("A", "a");
    const OtpAccount b = store("B", "b");
    QuorbitViewModel& vm = loadedModel();
    run(vm.copyCode(b));

    run(vm.copyQuickAccessCode());

    ASSERT_EQ(events.events().size(), 2u);
    EXPECT_EQ(events.events().back().accountId, b.id);
}

TEST_F(CodeCopyingTest, TheFilterMenuOffersTheTrashOnlyWhenShownAndOneEntryPerGroup) {
    groups.saveGroups({"Work", "Home"});
    QuorbitViewModel& vm = loadedModel();
    using F = AccountFilterSelection;
    changeSettings([&](AppSettings& settings) { settings.showTrashedTokens = false; });
    EXPECT_EQ(vm.availableFilters(),
              (std::vector<F>{F::all(), F::favorites(), F::recent(), F::tag("Home"), F::tag("Work")}));

    changeSettings([&](AppSettings& settings) { settings.showTrashedTokens = true; });
    EXPECT_EQ(vm.availableFilters(),
              (std::vector<F>{F::all(), F::favorites(), F::recent(), F::trash(), F::tag("Home"), F::tag("Work")}));
}

TEST_F(CodeCopyingTest, TheVisibleListAppliesQueryFilterAndSort) {
    OtpAccount older = storedAccount("GitHub", "work");
    older.lastUsedAt = startTime - std::chrono::hours(5);
    older.tags = {"Work"};
    OtpAccount newer = storedAccount("Gitlab", "work");
    newer.lastUsedAt = startTime - std::chrono::hours(1);
    newer.tags = {"work"};
    OtpAccount otherTag = storedAccount("Git", "home");
    otherTag.tags = {"Home"};
    repository.setAccounts({older, otherTag, newer});
    QuorbitViewModel& vm = loadedModel();
    changeSettings([&](AppSettings& settings) {
        settings.selectedAccountFilter = AccountFilterSelection::tag("WORK");
        settings.accountSortOption = AccountSortOption::lastUsedAt;
    });

    vm.setQuery(" GIT");

    EXPECT_EQ(vm.visibleAccounts(), (std::vector<OtpAccount>{newer, older}));
}

}  // namespace
}  // namespace quorbit::test
