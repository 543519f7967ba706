#include "format/BackupPayloadJson.h"

#include <gtest/gtest.h>

#include <functional>

#include <nlohmann/json.hpp>

#include "domain/BackupEnvelopeForInfo.h"
#include "domain/BackupPayload.h"
#include "format/BackupEnvelopeForInfoJson.h"
#include "format/JsonError.h"
#include "support/DocumentDecoding.h"

namespace quorbit {
namespace {

nlohmann::json accountJson() {
    return nlohmann::json::parse(R"({
        "id": "0B7A5A4E-2F4C-4C8F-9C1E-3D2B1A0F9E8D", "issuer": " GitHub", "accountName": "octo",
        "secretBase32": "JBSWY3DPEHPK3PXP", "algorithm": "SHA1", "digits": 6, "period": 30,
        "createdAt": "2026-01-02T03:04:05Z", "updatedAt": "2026-01-02T03:04:06Z", "isFavorite": false})");
}

BackupPayload decode(const nlohmann::json& account) {
    return test::decodeDocument<BackupPayload>(
        nlohmann::json{{"exportedAt", "2026-02-01T00:00:00Z"}, {"accounts", {account}}});
}

TEST(BackupPayload, MissingOptionalKeysTakeDefaultsAndIssuerIsKeptAsStored) {
    auto json = accountJson();
    json["hotpCounter"] = -5;
    json["tags"] = {" Work ", "work", ""};
    const auto account = decode(json).accounts.at(0);
    EXPECT_EQ(account.type, OtpType::totp);
    EXPECT_EQ(account.hotpCounter, 0);
    EXPECT_EQ(account.tags, std::vector<std::string>{"Work"});
    EXPECT_EQ(account.issuer, " GitHub");
    EXPECT_FALSE(account.lastUsedAt);
}

TEST(BackupPayload, InvalidAccountsFailTheWholePayload) {
    const std::vector<std::pair<const char*, std::function<void(nlohmann::json&)>>> cases = {
        {"no isFavorite", [](auto& j) { j.erase("isFavorite"); }},
        {"lower-case type", [](auto& j) { j["type"] = "totp"; }},
        {"fractional date", [](auto& j) { j["createdAt"] = "2026-01-02T03:04:05.500Z"; }},
        {"date with offset", [](auto& j) { j["createdAt"] = "2026-01-02T03:04:05+00:00"; }},
        {"date with a lower-case t", [](auto& j) { j["createdAt"] = "2026-01-02t03:04:05Z"; }},
        {"date beyond the clock's range", [](auto& j) { j["lastUsedAt"] = "9999-12-31T23:59:59Z"; }},
        {"digits with fraction", [](auto& j) { j["digits"] = 6.5; }},
        {"bad id", [](auto& j) { j["id"] = "not-a-uuid"; }},
    };
    for (const auto& [name, change] : cases) {
        auto json = accountJson();
        change(json);
        EXPECT_THROW(decode(json), JsonError) << name;
    }
}

TEST(BackupPayload, EncodesWithoutAbsentDatesAndRoundTrips) {
    const auto payload = decode(accountJson());
    const nlohmann::json encoded = payload;
    EXPECT_FALSE(encoded["accounts"][0].contains("lastUsedAt"));
    EXPECT_FALSE(encoded["accounts"][0].contains("trashedAt"));
    EXPECT_EQ(test::decodeDocument<BackupPayload>(encoded), payload);

    auto withDates = payload;
    withDates.accounts[0].lastUsedAt = withDates.exportedAt;
    withDates.accounts[0].trashedAt = withDates.exportedAt;
    EXPECT_EQ(test::decodeDocument<BackupPayload>(nlohmann::json(withDates)), withDates);
}

TEST(BackupEnvelopeForInfo, RequiresAllSixKeys) {
    auto json = nlohmann::json::parse(
        R"({"version":1,"kdf":"PBKDF2-HMAC-SHA256","iterations":5,"saltBytes":16,"salt":"AA==","sealedBox":"AA=="})");
    EXPECT_EQ(test::decodeDocument<BackupEnvelopeForInfo>(json).iterations, 5);
    json.erase("sealedBox");
    EXPECT_THROW(test::decodeDocument<BackupEnvelopeForInfo>(json), JsonError);
}

}  // namespace
}  // namespace quorbit
