#include <gtest/gtest.h>

#include <map>
#include <set>

#include "domain/SecurityEvent.h"
#include "domain/SecurityEventFilter.h"
#include "domain/SecurityEventRedaction.h"
#include "support/SampleSecurityEvent.h"

namespace quorbit {
namespace {

using test::sampleAccountEvent;

TEST(SecurityEventTest, EventsDifferingOnlyInMetadataAreNotEqual) {
    SecurityEvent other = sampleAccountEvent();
    other.metadata["source"] = "file";
    EXPECT_NE(other, sampleAccountEvent());
}

TEST(SecurityEventKindTest, RawValuesAreTheCaseNames) {
    EXPECT_EQ(allSecurityEventKinds.size(), 21u);
    std::set<std::string_view> seen;
    for (SecurityEventKind kind : allSecurityEventKinds) {
        EXPECT_TRUE(seen.insert(rawValue(kind)).second);
        EXPECT_EQ(securityEventKindFromRawValue(rawValue(kind)), kind);
    }
    EXPECT_EQ(rawValue(SecurityEventKind::dataLifecycleReviewOpened), "dataLifecycleReviewOpened");
    EXPECT_EQ(securityEventKindFromRawValue("CodeCopied"), std::nullopt);
}

TEST(SecurityEventFilterTest, EveryKindLiesInExactlyOneNamedCategory) {
    for (SecurityEventKind kind : allSecurityEventKinds) {
        EXPECT_TRUE(matches(SecurityEventFilter::all, kind));
        const int categories = matches(SecurityEventFilter::importAndBackup, kind) +
                               matches(SecurityEventFilter::accounts, kind) +
                               matches(SecurityEventFilter::security, kind);
        EXPECT_EQ(categories, 1) << rawValue(kind);
    }
}

TEST(SecurityEventFilterTest, MatchesByKind) {
    struct Row {
        SecurityEventFilter filter;
        SecurityEventKind kind;
        bool matches;
    };
    const Row rows[] = {
        {SecurityEventFilter::importAndBackup, SecurityEventKind::recoveryKitFailed, true},
        {SecurityEventFilter::importAndBackup, SecurityEventKind::selectedAccountsExported, true},
        {SecurityEventFilter::importAndBackup, SecurityEventKind::codeCopied, false},
        {SecurityEventFilter::accounts, SecurityEventKind::trashEmptied, true},
        {SecurityEventFilter::accounts, SecurityEventKind::bulkActionCompleted, true},
        {SecurityEventFilter::security, SecurityEventKind::settingsChanged, true},
        {SecurityEventFilter::security, SecurityEventKind::dataLifecycleReviewOpened, true},
        {SecurityEventFilter::security, SecurityEventKind::backupCreated, false},
    };
    for (const Row& row : rows) {
        SecurityEvent event = sampleAccountEvent();
        event.kind = row.kind;
        EXPECT_EQ(matches(row.filter, event), row.matches) << rawValue(row.filter) << " / " << rawValue(row.kind);
    }
}

TEST(SecurityEventRedactionTest, CutsEveryTextAtItsFirstOtpauthScheme) {
    const std::pair<const char*, const char*> rows[] = {
        {"Code copied", "Code copied"},
        {"otpauth://totp/A?secret=JBSW", "otpauth://***REDACTED***"},
        {"Imported OTPAUTH://totp/x and otpauth://hotp/y", "Imported otpauth://***REDACTED***"},
        {"see OtpAuth://", "see otpauth://***REDACTED***"},
        {"otpauth:/ not a scheme", "otpauth:/ not a scheme"},
        {"", ""},
    };
    for (const auto& [text, stored] : rows) {
        EXPECT_EQ(SecurityEventRedaction::sanitized(text), stored) << text;
    }
}

TEST(SecurityEventRedactionTest, RedactsValuesOfSensitiveKeysAndSanitisesTheOthers) {
    const std::map<std::string, std::string> metadata{
        {"backupPassword", "hunter2"},
        {"SECRET", "JBSWY3DP"},
        {"codeFormat", "grouped"},
        {"source", "file"},
        {"uri", "from OTPAUTH://totp/x?secret=A"},
    };
    const std::map<std::string, std::string> expected{
        {"backupPassword", "***REDACTED***"},     {"SECRET", "***REDACTED***"},
        {"codeFormat", "***REDACTED***"},         {"source", "file"},
        {"uri", "from otpauth://***REDACTED***"},
    };
    EXPECT_EQ(SecurityEventRedaction::redactedMetadata(metadata), expected);
}

}  // namespace
}  // namespace quorbit
