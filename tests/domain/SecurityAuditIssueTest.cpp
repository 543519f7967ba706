#include "domain/SecurityAuditIssue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorbit {
namespace {

TEST(SecurityAuditIssue, KeyIsKindAndSortedUpperCaseIdsWhateverTheOrderOrRun) {
    const auto a = *Uuid::parse("00000000-0000-4000-8000-00000000000a");
    const auto b = *Uuid::parse("00000000-0000-4000-8000-00000000000b");
    SecurityAuditIssue first{Uuid::random(),
                             SecurityAuditIssueKind::duplicateSecretFingerprint,
                             SecurityAuditSeverity::critical,
                             {b, a},
                             "t",
                             "m",
                             std::nullopt,
                             TimePoint{}};
    SecurityAuditIssue second = first;
    second.id = Uuid::random();
    second.accountIds = {a, b};
    second.createdAt = TimePoint(std::chrono::seconds(60));

    EXPECT_EQ(first.issueKey(),
              "duplicateSecretFingerprint:00000000-0000-4000-8000-00000000000A,00000000-0000-4000-8000-00000000000B");
    EXPECT_EQ(first.issueKey(), second.issueKey());
    EXPECT_NE(first, second);

    second.kind = SecurityAuditIssueKind::duplicateAccountIdentity;
    EXPECT_NE(first.issueKey(), second.issueKey());
}

TEST(SecurityAuditSeverity, AscendingSortPutsCriticalFirst) {
    std::vector<SecurityAuditSeverity> severities{SecurityAuditSeverity::info, SecurityAuditSeverity::critical,
                                                  SecurityAuditSeverity::warning};
    std::sort(severities.begin(), severities.end());
    EXPECT_EQ(severities,
              (std::vector<SecurityAuditSeverity>{SecurityAuditSeverity::critical, SecurityAuditSeverity::warning,
                                                  SecurityAuditSeverity::info}));
    EXPECT_TRUE(SecurityAuditSeverity::critical < SecurityAuditSeverity::info);
}

}  // namespace
}  // namespace quorbit
