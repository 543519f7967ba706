#include <gtest/gtest.h>

#include <algorithm>

#include "ui/viewmodel/DataActionsFixture.h"

namespace quorbit::test {
namespace {

using Kind = SecurityEventKind;

// Two accounts sharing one short secret, one of them without a name and neither tagged: the
// audit finds critical, warning and info findings.
class SecurityAuditActionsTest : public DataActionsFixture {
protected:
    void storeAccountsWithFindings() {
        store("Bank", "me", "short");
        store("Mail", "", "short");
    }

    std::optional<std::vector<SecurityAuditIssue>> audit(QuorbitViewModel& vm) { return run(vm.runSecurityAudit()); }
};

TEST_F(SecurityAuditActionsTest, ALockedVaultIsOpenedAndLoadedBeforeTheAudit) {
    storeAccountsWithFindings();
    QuorbitViewModel& vm = model();

    const std::vector<SecurityAuditIssue> findings = audit(vm).value();

    EXPECT_EQ(unlocker.reasons().size(), 1u);
    EXPECT_FALSE(findings.empty());
    EXPECT_TRUE(std::ranges::is_sorted(findings, {}, &SecurityAuditIssue::severity));
    EXPECT_EQ(findings.front().severity, SecurityAuditSeverity::critical);
    EXPECT_EQ(loggedEvents(),
              (std::vector<std::pair<Kind, std::string>>{
                  {Kind::securityAuditRun, "Security audit: " + std::to_string(findings.size()) + " issues found"}}));
}

TEST_F(SecurityAuditActionsTest, ARefusedUnlockIsAnAuditThatDidNotRun) {
    storeAccountsWithFindings();
    unlocker.setAccepts(false);
    QuorbitViewModel& vm = model();

    EXPECT_FALSE(audit(vm).has_value());
    EXPECT_TRUE(events.events().empty());
    EXPECT_EQ(vm.statusMessage(), describe(QuorbitError::Case::locked));
}

TEST_F(SecurityAuditActionsTest, IgnoredFindingsAreLeftOutOfLaterRuns) {
    storeAccountsWithFindings();
    QuorbitViewModel& vm = model();
    const std::vector<SecurityAuditIssue> first = audit(vm).value();
    ASSERT_GE(first.size(), 2u);

    run(vm.ignoreSecurityIssue(first.front()));
    run(vm.ignoreSecurityIssue(first.front()));
    const std::vector<SecurityAuditIssue> second = audit(vm).value();

    EXPECT_EQ(ignoredIssues.loadIgnoredKeys(), std::set<std::string>{first.front().issueKey()});
    ASSERT_EQ(second.size(), first.size() - 1);
    EXPECT_EQ(second.front().issueKey(), first[1].issueKey());
    const auto logged = loggedEvents();
    EXPECT_EQ(std::ranges::count(logged, std::pair{Kind::securityIssueIgnored, std::string("Ignore")}), 2);
}

TEST_F(SecurityAuditActionsTest, TheIgnoreEventSpeaksTheInterfaceLanguage) {
    QuorbitViewModel& vm = model();
    changeSettings([&](AppSettings& settings) { settings.language = AppLanguage::russian; });

    run(vm.ignoreSecurityIssue(SecurityAuditIssue{}));

    EXPECT_EQ(loggedEvents(),
              (std::vector<std::pair<Kind, std::string>>{{Kind::securityIssueIgnored, "Игнорировать"}}));
}

TEST_F(SecurityAuditActionsTest, AnIgnoreThatCannotBeSavedIsReported) {
    QuorbitViewModel& vm = model();
    ignoredIssues.failSavesWith(QuorbitError::persistenceFailure("read-only"));

    run(vm.ignoreSecurityIssue(SecurityAuditIssue{}));

    EXPECT_TRUE(events.events().empty());
    EXPECT_EQ(vm.statusMessage(), "The ignored finding could not be saved. It will show again in the next audit.");
}

}  // namespace
}  // namespace quorbit::test
