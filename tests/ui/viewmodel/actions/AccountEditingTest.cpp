#include <gtest/gtest.h>

#include "ui/viewmodel/DataActionsFixture.h"

namespace quorbit::test {
namespace {

using Kind = SecurityEventKind;

constexpr const char* validSecret = "JBSWY3DPEHPK3PXP";

class AccountEditingTest : public DataActionsFixture {
protected:
    void fillAddForm(QuorbitViewModel& vm) {
        vm.setManualIssuer(QStringLiteral("GitHub"));
        vm.setManualAccountName(QStringLiteral("me@example.com"));
        vm.setManualSecret(QString::fromLatin1(validSecret));
    }
};

TEST_F(AccountEditingTest, ResetClearsTheFormButNotItsVisibility) {
    QuorbitViewModel& vm = model();
    fillAddForm(vm);
    vm.setManualOtpType(OtpType::hotp);
    vm.setManualAlgorithm(OtpAlgorithm::sha512);
    vm.setManualDigits(8);
    vm.setManualPeriod(60);
    vm.setManualHotpCounter(4);
    vm.setManualSelectedTags({"Work"});
    vm.setManualNewTag(QStringLiteral("x"));
    vm.setShowingAddToken(true);

    vm.resetAddForm();

    EXPECT_TRUE(vm.manualIssuer().isEmpty());
    EXPECT_TRUE(vm.manualAccountName().isEmpty());
    EXPECT_TRUE(vm.manualSecret().isEmpty());
    EXPECT_EQ(vm.manualOtpType(), OtpType::totp);
    EXPECT_EQ(vm.manualAlgorithm(), OtpAlgorithm::sha1);
    EXPECT_EQ(vm.manualDigits(), 6);
    EXPECT_EQ(vm.manualPeriod(), 30);
    EXPECT_EQ(vm.manualHotpCounter(), 0);
    EXPECT_TRUE(vm.manualSelectedTags().empty());
    EXPECT_TRUE(vm.manualNewTag().isEmpty());
    EXPECT_TRUE(vm.showingAddToken());
}

// A typed tag selects the group it matches but for case, joins the groups when it is new, and
// changes nothing when blank; the field is emptied every time.
TEST_F(AccountEditingTest, TypedTagsFollowTheGroupRules) {
    struct Case {
        const char* typed;
        std::set<std::string> selected;
        std::vector<std::string> groups;
    };
    const std::vector<Case> cases{
        {"  wORK ", {"Work"}, {"Home", "Work"}},
        {" Travel ", {"Travel"}, {"Home", "Travel", "Work"}},
        {"   ", {}, {"Home", "Work"}},
    };
    for (const Case& test : cases) {
        groups.saveGroups({"Work", "Home"});
        QuorbitViewModel& vm = loadedModel();
        vm.setManualNewTag(QString::fromUtf8(test.typed));
        vm.addManualTag();
        EXPECT_EQ(vm.manualSelectedTags(), test.selected) << test.typed;
        EXPECT_EQ(vm.accountGroups(), test.groups) << test.typed;
        EXPECT_TRUE(vm.manualNewTag().isEmpty());

        vm.setEditorNewTag(QString::fromUtf8(test.typed));
        vm.addEditorTag();
        EXPECT_EQ(vm.editorSelectedTags(), test.selected) << test.typed;
        EXPECT_TRUE(vm.editorNewTag().isEmpty());
    }
    EXPECT_EQ(groups.groups(), (std::vector<std::string>{"Work", "Home"}));
}

TEST_F(AccountEditingTest, ToggleSelectsAndDeselectsTheTrimmedTag) {
    QuorbitViewModel& vm = model();
    std::set<std::string> tags{"Work"};

    vm.toggleTag(" Home ", tags);
    EXPECT_EQ(tags, (std::set<std::string>{"Home", "Work"}));
    vm.toggleTag("Work", tags);
    vm.toggleTag("  ", tags);
    EXPECT_EQ(tags, std::set<std::string>{"Home"});
}

TEST_F(AccountEditingTest, AddingKeepsTheTypedTagStoresGroupsAndClosesTheForm) {
    QuorbitViewModel& vm = loadedModel();
    vm.setShowingAddToken(true);
    fillAddForm(vm);
    vm.setManualOtpType(OtpType::hotp);
    vm.setManualHotpCounter(-3);
    vm.setManualSelectedTags({"Work"});
    vm.setManualNewTag(QStringLiteral(" Travel "));

    run(vm.addManual());

    ASSERT_EQ(repository.accounts().size(), 1u);
    const OtpAccount added = repository.accounts().front();
    EXPECT_EQ(added.tags, (std::vector<std::string>{"Travel", "Work"}));
    EXPECT_EQ(added.hotpCounter, 0);
    EXPECT_EQ(groups.groups(), (std::vector<std::string>{"Travel", "Work"}));
    EXPECT_EQ(vm.accounts(), repository.accounts());
    EXPECT_FALSE(vm.showingAddToken());
    EXPECT_TRUE(vm.manualIssuer().isEmpty());
    EXPECT_EQ(vm.statusMessage(), "Token added");
    ASSERT_EQ(events.events().size(), 1u);
    EXPECT_EQ(events.events().front().kind, Kind::accountCreated);
    EXPECT_EQ(events.events().front().message, "Account added manually");
    EXPECT_EQ(events.events().front().accountLabel, "GitHub");
}

TEST_F(AccountEditingTest, AFailedAddLeavesTheFormOpenAndFilled) {
    QuorbitViewModel& vm = loadedModel();
    vm.setShowingAddToken(true);
    fillAddForm(vm);
    vm.setManualSecret(QStringLiteral("not base32!"));

    run(vm.addManual());

    EXPECT_TRUE(repository.accounts().empty());
    EXPECT_TRUE(vm.showingAddToken());
    EXPECT_EQ(vm.manualIssuer(), "GitHub");
    EXPECT_TRUE(events.events().empty());
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::invalidSecret));
}

// The account is stored, so its event is written even though the groups could not be.
TEST_F(AccountEditingTest, AGroupFailureAfterTheAddKeepsTheEventAndTheForm) {
    QuorbitViewModel& vm = loadedModel();
    vm.setShowingAddToken(true);
    fillAddForm(vm);
    groups.failSavesWith(QuorbitError::persistenceFailure("disk full"));

    run(vm.addManual());

    EXPECT_EQ(repository.accounts().size(), 1u);
    EXPECT_EQ(events.events().size(), 1u);
    EXPECT_TRUE(vm.showingAddToken());
    EXPECT_EQ(vm.manualIssuer(), "GitHub");
}

// Only the tags change; numbers the editor could not show, or showed and the user left alone,
// go back to the file exactly as they were.
TEST_F(AccountEditingTest, SavingOnlyTagsKeepsEveryStoredNumber) {
    OtpAccount longPeriod = storedAccount("A", "a");
    longPeriod.period = 300;
    OtpAccount hotpWithoutPeriod = storedAccount("B", "b");
    hotpWithoutPeriod.type = OtpType::hotp;
    hotpWithoutPeriod.period = 0;
    hotpWithoutPeriod.hotpCounter = 41;
    OtpAccount widerThanInt = storedAccount("C", "c");
    widerThanInt.period = std::int64_t{1} << 40;
    QuorbitViewModel& vm = loadedModel();
    for (OtpAccount account : {longPeriod, hotpWithoutPeriod, widerThanInt}) {
        secrets.saveSecret(SecretBytes::fromText("secret-bytes"), account.secretRef);
        repository.setAccounts({account});
        vm.beginEditingTags(account);
        std::set<std::string> tags = vm.editorSelectedTags();
        vm.toggleTag("Work", tags);
        vm.setEditorSelectedTags(tags);

        run(vm.saveEditedTags());

        account.tags = {"Work"};
        account.updatedAt = clock.now();
        EXPECT_EQ(repository.accounts().front(), account) << account.issuer;
        EXPECT_EQ(vm.statusMessage(), "Tags updated");
        EXPECT_FALSE(vm.editingTagsAccount().has_value());
    }
    EXPECT_TRUE(events.events().empty());
}

TEST_F(AccountEditingTest, TheEditorStoresChangedNumbersAndANegativeCounterAsZero) {
    const OtpAccount account = store("A", "a");
    QuorbitViewModel& vm = loadedModel();
    vm.beginEditingTags(account);
    vm.setEditorOtpType(OtpType::hotp);
    vm.setEditorDigits(8);
    vm.setEditorHotpCounter(-1);
    vm.setEditorNewTag(QStringLiteral("typed"));

    run(vm.saveEditedTags());

    const OtpAccount stored = repository.accounts().front();
    EXPECT_EQ(stored.type, OtpType::hotp);
    EXPECT_EQ(stored.digits, 8);
    EXPECT_EQ(stored.hotpCounter, 0);
    EXPECT_EQ(stored.tags, std::vector<std::string>{"typed"});
    EXPECT_EQ(vm.accountGroups(), std::vector<std::string>{"typed"});
    EXPECT_EQ(vm.editorNewTag(), "");
}

TEST_F(AccountEditingTest, AFailedEditKeepsTheSheetOpen) {
    const OtpAccount account = store("A", "a");
    QuorbitViewModel& vm = loadedModel();
    vm.beginEditingTags(account);
    vm.setEditorDigits(9);

    run(vm.saveEditedTags());

    EXPECT_EQ(vm.editingTagsAccount(), account);
    EXPECT_EQ(vm.editorDigits(), 9);
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::invalidSecret));
}

}  // namespace
}  // namespace quorbit::test
