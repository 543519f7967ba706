#include "format/BackupPayloadWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>

#include "format/BackupPayloadJson.h"
#include "format/JsonReader.h"

namespace quorbit {
namespace {

BackupAccount account(std::string issuer, bool withOptionalDates) {
    BackupAccount backup;
    backup.id = Uuid::random();
    backup.issuer = std::move(issuer);
    backup.accountName = "alice \"the admin\"\n@example.com";
    backup.secretBase32 = SecretBytes::fromText("JBSWY3DPEHPK3PXP");
    backup.type = withOptionalDates ? OtpType::hotp : OtpType::totp;
    backup.algorithm = OtpAlgorithm::sha512;
    backup.digits = 8;
    backup.period = 60;
    backup.hotpCounter = 42;
    backup.createdAt = TimePoint(std::chrono::seconds(1'600'000'000));
    backup.updatedAt = TimePoint(std::chrono::seconds(1'700'000'000));
    if (withOptionalDates) {
        backup.lastUsedAt = TimePoint(std::chrono::seconds(1'700'000'100));
        backup.trashedAt = TimePoint(std::chrono::seconds(1'700'000'200));
    }
    backup.isFavorite = withOptionalDates;
    backup.tags = {"Work", "Личное"};
    return backup;
}

// Readers of older backups parse what the document form printed, so the one-pass text must
// be that text exactly.
TEST(BackupPayloadWriterTest, WritesTheSameTextAsTheDocumentForm) {
    const BackupPayload payloads[] = {
        BackupPayload{TimePoint(std::chrono::seconds(1'700'000'000)), {}},
        BackupPayload{TimePoint(std::chrono::seconds(1'700'000'000)),
                      {account("GitHub", false), account("Банк \\ 2", true)}},
    };
    for (const BackupPayload& payload : payloads) {
        std::string text;
        BackupPayloadWriter::write(payload, text);
        EXPECT_EQ(text, nlohmann::json(payload).dump());
        EXPECT_EQ(JsonReader().decode<BackupPayload>(text), payload);
    }
}

// The exact bytes of a sealed payload, as every earlier version wrote them.
TEST(BackupPayloadWriterTest, WritesThePayloadBytesExactly) {
    BackupAccount backup = account("Git\\Hub", true);
    backup.id = *Uuid::parse("0F8FAD5B-D9CB-469F-A165-70867728950E");
    std::string text;
    BackupPayloadWriter::write(BackupPayload{TimePoint(std::chrono::seconds(1'700'000'300)), {backup}}, text);
    EXPECT_EQ(text, R"({"accounts":[{"accountName":"alice \"the admin\"\n@example.com","algorithm":"SHA512",)"
                    R"("createdAt":"2020-09-13T12:26:40Z","digits":8,"hotpCounter":42,)"
                    R"("id":"0F8FAD5B-D9CB-469F-A165-70867728950E","isFavorite":true,"issuer":"Git\\Hub",)"
                    R"("lastUsedAt":"2023-11-14T22:15:00Z","period":60,"secretBase32":"JBSWY3DPEHPK3PXP",)"
                    R"("tags":["Work","Личное"],"trashedAt":"2023-11-14T22:16:40Z","type":"HOTP",)"
                    R"("updatedAt":"2023-11-14T22:13:20Z"}],"exportedAt":"2023-11-14T22:18:20Z"})");
}

}  // namespace
}  // namespace quorbit
