#include "infrastructure/files/OtpAccountListWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>

#include "infrastructure/files/JsonStoreFile.h"

namespace quorbit {
namespace {

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
        const std::string text = OtpAccountListWriter::text(accounts, JsonStoreFile::indent);
        EXPECT_EQ(text, nlohmann::json(accounts).dump(JsonStoreFile::indent));
        EXPECT_EQ(nlohmann::json::parse(text).get<std::vector<OtpAccount>>(), accounts);
    }
}

}  // namespace
}  // namespace quorbit
