#include "infrastructure/crypto/BackupPayloadWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>

#include "domain/QuorbitError.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"
#include "support/ThrownError.h"

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
        EXPECT_EQ(nlohmann::json::parse(text).get<BackupPayload>(), payload);
    }
}

TEST(BackupPayloadWriterTest, TextThatIsNotUtf8FailsTheSealInsteadOfWritingAnUnreadableBackup) {
    BackupPayload payload{TimePoint(std::chrono::seconds(1'700'000'000)), {account("\xFF", false)}};
    EncryptedBackupCryptoService service(1000, 16);
    EXPECT_EQ(test::thrownError([&] { service.encrypt(payload, SecretBytes::fromText("password")); }).errorCase(),
              QuorbitError::Case::persistenceFailure);
}

}  // namespace
}  // namespace quorbit
