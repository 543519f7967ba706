#include "format/SecurityEventJson.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include <nlohmann/json.hpp>

#include "domain/SecurityEvent.h"
#include "format/JsonError.h"
#include "support/DocumentDecoding.h"
#include "support/SampleSecurityEvent.h"

namespace quorbit {
namespace {

using test::sampleAccountEvent;

nlohmann::json withoutKey(nlohmann::json json, const char* key) {
    json.erase(key);
    return json;
}

TEST(SecurityEventJsonTest, RoundTripsAndLeavesOutAbsentAccountKeys) {
    const SecurityEvent event = sampleAccountEvent();
    const nlohmann::json json = event;
    EXPECT_EQ(json["createdAt"], "2026-01-01T00:00:00Z");
    EXPECT_EQ(json["accountId"], test::sampleEventAccountId);
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
    nlohmann::json json = sampleAccountEvent();
    json["accountId"] = nullptr;
    json["accountLabel"] = nullptr;
    const SecurityEvent event = test::decodeDocument<SecurityEvent>(json);
    EXPECT_EQ(event.accountId, std::nullopt);
    EXPECT_EQ(event.accountLabel, std::nullopt);
}

TEST(SecurityEventJsonTest, RejectsMissingRequiredKeysAndUnknownKinds) {
    const nlohmann::json valid = sampleAccountEvent();
    std::vector<nlohmann::json> invalid;
    for (const char* key : {"id", "kind", "createdAt", "message", "metadata"})
        invalid.push_back(withoutKey(valid, key));
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

}  // namespace
}  // namespace quorbit
