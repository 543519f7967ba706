#include <gtest/gtest.h>

#include <map>
#include <set>

#include <nlohmann/json.hpp>

#include "domain/SecurityEvent.h"
#include "domain/SecurityEventFilter.h"
#include "domain/SecurityEventRedaction.h"
#include "format/JsonError.h"
#include "format/SecurityEventJson.h"
#include "support/DocumentDecoding.h"

namespace quorbit {
namespace {

constexpr const char* eventId = "6F9619FF-8B86-4011-B42D-00C04FC964FF";
constexpr const char* accountId = "0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D";

SecurityEvent accountEvent() {
    return SecurityEvent{.id = *Uuid::parse(eventId),
                         .kind = SecurityEventKind::codeCopied,
                         .createdAt = TimePoint(std::chrono::seconds(1'767'225'600)),
                         .accountId = Uuid::parse(accountId),
                         .accountLabel = "GitHub",
                         .message = "Code copied",
                         .metadata = {}};
}

nlohmann::json withoutKey(nlohmann::json json, const char* key) {
    json.erase(key);
    return json;
}

TEST(SecurityEventJsonTest, RoundTripsAndLeavesOutAbsentAccountKeys) {
    const SecurityEvent event = accountEvent();
    const nlohmann::json json = event;
    EXPECT_EQ(json["createdAt"], "2026-01-01T00:00:00Z");
    EXPECT_EQ(json["accountId"], accountId);
    EXPECT_EQ(test::decodeDocument<SecurityEvent>(json), event);

    SecurityEvent locked = event;
    locked.kind = SecurityEventKind::appLocked;
    locked.accountId.reset();
    locked.accountLabel.reset();
    const nlohmann::json lockedJson = locked;
    EXPECT_FALSE(lockedJson.contains("accountId"));
    EXPECT_FALSE(lockedJson.contains("accountLabel"));
    EXPECT_EQ(lockedJson["metadata"], nlohmann::json::object());
}

TEST(SecurityEventJsonTest, NullAccountKeysDecodeAsAbsent) {
    nlohmann::json json = accountEvent();
    json["accountId"] = nullptr;
    json["accountLabel"] = nullptr;
    const SecurityEvent event = test::decodeDocument<SecurityEvent>(json);
    EXPECT_EQ(event.accountId, std::nullopt);
    EXPECT_EQ(event.accountLabel, std::nullopt);
}

TEST(SecurityEventJsonTest, RejectsMissingRequiredKeysAndUnknownKinds) {
    const nlohmann::json valid = accountEvent();
    std::vector<nlohmann::json> invalid;
    for (const char* key : {"id", "kind", "createdAt", "message", "metadata"}) invalid.push_back(withoutKey(valid, key));
    for (const auto& [key, value] : std::map<std::string, nlohmann::json>{{"kind", "accountArchived"},
                                                                          {"kind", nullptr},
                                                                          {"metadata", {{"count", 3}}},
                                                                          {"createdAt", "yesterday"},
                                                                          {"accountId", "not-a-uuid"}}) {
        nlohmann::json broken = valid;
        broken[key] = value;
        invalid.push_back(broken);
    }
    for (const nlohmann::json& json : invalid) {
        EXPECT_THROW(test::decodeDocument<SecurityEvent>(json), JsonError) << json.dump();
    }
}

TEST(SecurityEventTest, EventsDifferingOnlyInMetadataAreNotEqual) {
    SecurityEvent other = accountEvent();
    other.metadata["source"] = "file";
    EXPECT_NE(other, accountEvent());
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
        SecurityEvent event = accountEvent();
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
        {"backupPassword", "hunter2"}, {"SECRET", "JBSWY3DP"},       {"codeFormat", "grouped"},
        {"source", "file"},            {"uri", "from OTPAUTH://totp/x?secret=A"},
    };
    const std::map<std::string, std::string> expected{
        {"backupPassword", "***REDACTED***"}, {"SECRET", "***REDACTED***"}, {"codeFormat", "***REDACTED***"},
        {"source", "file"},                   {"uri", "from otpauth://***REDACTED***"},
    };
    EXPECT_EQ(SecurityEventRedaction::redactedMetadata(metadata), expected);
}

}  // namespace
}  // namespace quorbit
