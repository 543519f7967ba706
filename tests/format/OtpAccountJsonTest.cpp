#include "format/OtpAccountJson.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <functional>
#include <string>

#include "domain/DefaultLocaleGuard.h"
#include "domain/Iso8601Date.h"
#include "domain/OtpAccount.h"
#include "format/JsonError.h"
#include "format/JsonReader.h"
#include "format/OtpSecretRefJson.h"
#include "support/DocumentDecoding.h"

namespace quorbit {
namespace {

using nlohmann::json;

TimePoint at(const char* text) { return *Iso8601Date::parse(text); }

OtpAccount fullAccount() {
    OtpAccount account;
    account.id = *Uuid::parse("0B6A9F7E-1C2D-4E5F-8A9B-0C1D2E3F4A5B");
    account.issuer = "GitHub";
    account.accountName = "octocat";
    account.secretRef = OtpSecretRef{"5F3C2B1A-0000-4000-8000-000000000001"};
    account.type = OtpType::hotp;
    account.algorithm = OtpAlgorithm::sha512;
    account.digits = 8;
    account.period = 60;
    account.hotpCounter = 42;
    account.createdAt = at("2025-03-01T10:00:00Z");
    account.updatedAt = at("2025-03-02T11:30:15Z");
    account.lastUsedAt = at("2025-03-03T12:00:00Z");
    account.isFavorite = true;
    account.trashedAt = at("2025-03-04T13:00:00Z");
    account.tags = {"Dev", "Work"};
    return account;
}

// A stored record with only the required keys.
json minimalRecord() {
    return json::parse(R"({
        "id": "0b6a9f7e-1c2d-4e5f-8a9b-0c1d2e3f4a5b", "issuer": "GitHub", "accountName": "octocat",
        "secretRef": {"rawValue": "ref-1"}, "algorithm": "SHA1", "digits": 6, "period": 30,
        "createdAt": "2025-03-01T10:00:00Z", "updatedAt": "2025-03-01T10:00:00Z", "isFavorite": false
    })");
}

TEST(OtpAccountEncoding, WritesEveryFieldWithItsStoredForm) {
    const json encoded = fullAccount();
    EXPECT_EQ(encoded, json::parse(R"({
        "id": "0B6A9F7E-1C2D-4E5F-8A9B-0C1D2E3F4A5B", "issuer": "GitHub", "accountName": "octocat",
        "secretRef": {"rawValue": "5F3C2B1A-0000-4000-8000-000000000001"}, "type": "HOTP",
        "algorithm": "SHA512", "digits": 8, "period": 60, "hotpCounter": 42,
        "createdAt": "2025-03-01T10:00:00Z", "updatedAt": "2025-03-02T11:30:15Z",
        "lastUsedAt": "2025-03-03T12:00:00Z", "isFavorite": true, "trashedAt": "2025-03-04T13:00:00Z",
        "tags": ["Dev", "Work"]
    })"));
}

TEST(OtpAccountEncoding, LeavesOutEmptyOptionalDatesButAlwaysWritesTypeCounterAndTags) {
    OtpAccount account = fullAccount();
    account.lastUsedAt.reset();
    account.trashedAt.reset();
    account.tags.clear();
    const json encoded = account;
    EXPECT_EQ(encoded.size(), 13u);
    EXPECT_FALSE(encoded.contains("lastUsedAt"));
    EXPECT_FALSE(encoded.contains("trashedAt"));
    EXPECT_EQ(encoded.at("tags"), json::array());
    EXPECT_EQ(json(fullAccount()).size(), 15u);
}

TEST(OtpAccountEncoding, DoesNotNormaliseOnTheWayOut) {
    OtpAccount account = fullAccount();
    account.issuer = " GitHub\n";
    account.tags = {"work", " Work"};
    const json encoded = account;
    EXPECT_EQ(encoded.at("issuer"), " GitHub\n");
    EXPECT_EQ(encoded.at("tags"), json({"work", " Work"}));
}

TEST(OtpAccountRoundTrip, DecodesWhatItEncodes) {
    OtpAccount withoutOptionals = fullAccount();
    withoutOptionals.lastUsedAt.reset();
    withoutOptionals.trashedAt.reset();
    for (const OtpAccount& account : {fullAccount(), withoutOptionals}) {
        EXPECT_EQ(JsonReader().decode<OtpAccount>(json(account).dump()), account);
    }
}

TEST(OtpAccountDecoding, FillsDefaultsForAbsentOrNullOptionalKeys) {
    json withNulls = minimalRecord();
    for (const char* key : {"type", "hotpCounter", "lastUsedAt", "trashedAt", "tags"}) withNulls[key] = nullptr;
    for (const json& record : {minimalRecord(), withNulls}) {
        const auto account = test::decodeDocument<OtpAccount>(record);
        EXPECT_EQ(account.id.toString(), "0B6A9F7E-1C2D-4E5F-8A9B-0C1D2E3F4A5B");
        EXPECT_EQ(account.type, OtpType::totp);
        EXPECT_EQ(account.hotpCounter, 0);
        EXPECT_EQ(account.lastUsedAt, std::nullopt);
        EXPECT_FALSE(account.isTrashed());
        EXPECT_TRUE(account.tags.empty());
    }
}

TEST(OtpAccountDecoding, CleansNamesTagsAndCounter) {
    test::DefaultLocaleGuard english("en_US");
    json record = minimalRecord();
    record["issuer"] = " GitHub\n";
    record["accountName"] = "\toctocat ";
    record["tags"] = {"work", " Work ", "Dev", "  "};
    record["hotpCounter"] = -7;
    record["unknownKey"] = {{"anything", 1}};
    const auto account = test::decodeDocument<OtpAccount>(record);
    EXPECT_EQ(account.issuer, "GitHub");
    EXPECT_EQ(account.accountName, "octocat");
    EXPECT_EQ(account.tags, (std::vector<std::string>{"Dev", "work"}));
    EXPECT_EQ(account.hotpCounter, 0);
}

struct BrokenRecord {
    const char* name;
    std::function<void(json&)> breakIt;
};

class OtpAccountDecodingFailure : public testing::TestWithParam<BrokenRecord> {};

TEST_P(OtpAccountDecodingFailure, FailsTheWholeRecord) {
    json record = minimalRecord();
    GetParam().breakIt(record);
    OtpAccount target = fullAccount();
    JsonReader reader;
    EXPECT_THROW(readJson(reader.read(record.dump()), target), JsonError);
    EXPECT_EQ(target, fullAccount());
}

BrokenRecord missing(const char* key) {
    return {key, [key](json& record) { record.erase(key); }};
}

BrokenRecord replaced(const char* name, const char* key, json value) {
    return {name, [key, value](json& record) { record[key] = value; }};
}

INSTANTIATE_TEST_SUITE_P(MissingRequiredKey, OtpAccountDecodingFailure,
                         testing::Values(missing("id"), missing("issuer"), missing("accountName"), missing("secretRef"),
                                         missing("algorithm"), missing("digits"), missing("period"),
                                         missing("createdAt"), missing("updatedAt"), missing("isFavorite")),
                         [](const testing::TestParamInfo<BrokenRecord>& testInfo) {
                             return std::string(testInfo.param.name);
                         });

INSTANTIATE_TEST_SUITE_P(
    WrongValue, OtpAccountDecodingFailure,
    testing::Values(replaced("FractionalDigits", "digits", 6.5), replaced("StringDigits", "digits", "6"),
                    replaced("FractionalPeriod", "period", 30.0), replaced("StringFavorite", "isFavorite", "true"),
                    replaced("LowerCaseAlgorithm", "algorithm", "sha1"),
                    replaced("UnknownAlgorithm", "algorithm", "MD5"), replaced("LowerCaseType", "type", "totp"),
                    replaced("NumericType", "type", 0), replaced("BadId", "id", "not-a-uuid"),
                    replaced("BadDate", "createdAt", "2025-03-01"), replaced("NumericDate", "updatedAt", 1700000000),
                    replaced("NullIssuer", "issuer", nullptr), replaced("SecretRefAsText", "secretRef", "ref-1"),
                    replaced("SecretRefWithoutRawValue", "secretRef", json::object()),
                    replaced("NumericTag", "tags", json::array({"a", 1})),
                    replaced("FractionalCounter", "hotpCounter", 1.5)),
    [](const testing::TestParamInfo<BrokenRecord>& testInfo) { return std::string(testInfo.param.name); });

TEST(OtpAccountDecodingFailure, RejectsANonObject) {
    EXPECT_THROW(test::decodeDocument<OtpAccount>(json::array()), JsonError);
}

}  // namespace
}  // namespace quorbit
