#include "format/OtpAccountListWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>

#include "format/JsonReader.h"
#include "format/OtpAccountJson.h"

namespace quorbit {
namespace {

constexpr int storesIndent = 2;  // the indent the stores write their files with

OtpAccount account(std::string issuer, bool withOptionalDates) {
    OtpAccount stored;
    stored.id = Uuid::random();
    stored.issuer = std::move(issuer);
    stored.accountName = "bob \"ops\"\t@example.com";
    stored.secretRef = OtpSecretRef{Uuid::random().toString()};
    stored.type = withOptionalDates ? OtpType::hotp : OtpType::totp;
    stored.algorithm = OtpAlgorithm::sha256;
    stored.digits = 7;
    stored.period = 45;
    stored.hotpCounter = INT64_MAX;
    stored.createdAt = TimePoint(std::chrono::seconds(1'600'000'000));
    stored.updatedAt = TimePoint(std::chrono::seconds(1'700'000'000));
    if (withOptionalDates) {
        stored.lastUsedAt = TimePoint(std::chrono::seconds(1'700'000'100));
        stored.trashedAt = TimePoint(std::chrono::seconds(1'700'000'200));
    }
    stored.isFavorite = withOptionalDates;
    if (withOptionalDates) stored.tags = {"Work", "Дом"};
    return stored;
}

// Files written before keep reading the same, and a list written now reads back whole.
TEST(OtpAccountListWriterTest, WritesTheSameTextAsTheDocumentFormWithTheStoresIndent) {
    const std::vector<std::vector<OtpAccount>> lists{{}, {account("GitHub", false), account("Почта \\ 1", true)}};
    for (const auto& accounts : lists) {
        const std::string text = OtpAccountListWriter::text(accounts, storesIndent);
        EXPECT_EQ(text, nlohmann::json(accounts).dump(storesIndent));
        EXPECT_EQ(JsonReader().decode<std::vector<OtpAccount>>(text), accounts);
    }
}

// The exact bytes of a stored list: files written by earlier versions must compare equal.
TEST(OtpAccountListWriterTest, WritesTheStoredBytesExactly) {
    OtpAccount stored = account("Git\\Hub", true);
    stored.id = *Uuid::parse("0F8FAD5B-D9CB-469F-A165-70867728950E");
    stored.secretRef = OtpSecretRef{"7C9E6679-7425-40DE-944B-E07FC1F90AE7"};
    EXPECT_EQ(OtpAccountListWriter::text({stored}, storesIndent), R"([
  {
    "accountName": "bob \"ops\"\t@example.com",
    "algorithm": "SHA256",
    "createdAt": "2020-09-13T12:26:40Z",
    "digits": 7,
    "hotpCounter": 9223372036854775807,
    "id": "0F8FAD5B-D9CB-469F-A165-70867728950E",
    "isFavorite": true,
    "issuer": "Git\\Hub",
    "lastUsedAt": "2023-11-14T22:15:00Z",
    "period": 45,
    "secretRef": {
      "rawValue": "7C9E6679-7425-40DE-944B-E07FC1F90AE7"
    },
    "tags": [
      "Work",
      "Дом"
    ],
    "trashedAt": "2023-11-14T22:16:40Z",
    "type": "HOTP",
    "updatedAt": "2023-11-14T22:13:20Z"
  }
])");
}

}  // namespace
}  // namespace quorbit
