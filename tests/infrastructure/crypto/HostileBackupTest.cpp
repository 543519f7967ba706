#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

#include "application/usecases/ImportBackup.h"
#include "domain/BackupPayload.h"
#include "domain/QuorbitError.h"
#include "format/BackupPayloadWriter.h"
#include "infrastructure/crypto/AesGcmCipher.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"
#include "infrastructure/files/AtomicDocumentFiles.h"
#include "lib/Base32Codec.h"
#include "lib/Base64Codec.h"
#include "lib/PBKDF2.h"
#include "support/FakeClock.h"
#include "support/FakeSecretStore.h"
#include "support/FakeTokenRepository.h"
#include "support/HostileJsonTexts.h"

namespace quorbit {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int fastIterations = 1000;
constexpr const char* passwordText = "correct horse";

Bytes bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

BackupPayload samplePayload() {
    BackupAccount account;
    account.id = Uuid::random();
    account.issuer = "GitHub";
    account.accountName = "octo@example.com";
    account.secretBase32 = SecretBytes::fromText("JBSWY3DPEHPK3PXP");
    return BackupPayload{TimePoint(std::chrono::seconds(1'700'000'000)), {account}};
}

std::string payloadText() {
    std::string text;
    BackupPayloadWriter::write(samplePayload(), text);
    return text;
}

// A well-formed envelope around any payload text, sealed as the service seals.
std::string envelopeAround(const std::string& payloadText) {
    const Bytes salt(16, 7);
    const SecretBytes key = PBKDF2::deriveKey(passwordText, salt, fastIterations, 32);
    const Bytes sealed = AesGcmCipher::seal(key, bytesOf(payloadText));
    return R"({"iterations":1000,"kdf":"PBKDF2-HMAC-SHA256","salt":")" + Base64Codec::encode(salt) +
           R"(","saltBytes":16,"sealedBox":")" + Base64Codec::encode(sealed) + R"(","version":1})";
}

struct HostileBackupTest : testing::Test {
    // What opening gives, as text: the number of accounts or the error's case.
    std::string outcome(const std::function<std::size_t()>& open) const {
        try {
            return std::to_string(open()) + " accounts";
        } catch (const QuorbitError& error) {
            return error.errorCase() == QuorbitError::Case::corruptedBackup ? "corruptedBackup" : "other error";
        }
    }
    std::string decrypted(const std::string& envelope) {
        return outcome([&] { return crypto.decrypt(bytesOf(envelope), password).accounts.size(); });
    }
    std::string described(const Bytes& bytes) {
        return outcome([&] { return static_cast<std::size_t>(importer.getBackupInfo(bytes, password).accountCount); });
    }
    std::string described(const std::string& envelope) { return described(bytesOf(envelope)); }

    const SecretBytes password = SecretBytes::fromText(passwordText);
    EncryptedBackupCryptoService crypto{fastIterations, 16};
    test::FakeTokenRepository repository;
    test::FakeSecretStore secretStore;
    Base32Codec codec;
    test::FakeClock clock;
    ImportBackup importer{repository, secretStore, codec, crypto, clock};
};

TEST_F(HostileBackupTest, HostileEnvelopesAreCorruptedWhetherOpenedOrDescribed) {
    const std::string envelope = envelopeAround(payloadText());
    ASSERT_EQ(decrypted(envelope), "1 accounts");
    ASSERT_EQ(described(envelope), "1 accounts");
    for (const test::HostileText& hostile : test::hostileVariants(envelope, "\"iterations\":1000")) {
        EXPECT_EQ(decrypted(hostile.text), "corruptedBackup") << hostile.name;
        EXPECT_EQ(described(hostile.text), "corruptedBackup") << hostile.name;
    }
    EXPECT_EQ(decrypted(test::withRepeatedFirstKey(envelope)), "1 accounts");
    EXPECT_EQ(described(test::withRepeatedFirstKey(envelope)), "1 accounts");
}

TEST_F(HostileBackupTest, HostileSealedPayloadsAreCorrupted) {
    const std::string payload = payloadText();
    for (const test::HostileText& hostile : test::hostileVariants(payload, "\"digits\":6")) {
        EXPECT_EQ(decrypted(envelopeAround(hostile.text)), "corruptedBackup") << hostile.name;
    }
    EXPECT_EQ(decrypted(envelopeAround(test::withRepeatedFirstKey(payload))), "1 accounts");
}

// 64 MiB of brackets is inside the size limit of a backup; it must fail at once, not after
// building gigabytes of nesting.
TEST_F(HostileBackupTest, ABackupFileOf64MiBOfNestingIsCorrupted) {
    const auto file = std::filesystem::temp_directory_path() / ("quorbit-nesting-" + std::to_string(::getpid()));
    {
        std::FILE* out = std::fopen(file.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        const std::string block(1024 * 1024, '[');
        for (int i = 0; i < 64; ++i) std::fwrite(block.data(), 1, block.size(), out);
        std::fclose(out);
    }
    AtomicDocumentFiles files;
    const Bytes bytes = ImportBackup::readBackupFile(files, file);
    std::filesystem::remove(file);
    ASSERT_EQ(bytes.size(), ImportBackup::maxFileBytes);
    EXPECT_EQ(described(bytes), "corruptedBackup");
    EXPECT_EQ(outcome([&] { return importer.execute(bytes, password).size(); }), "corruptedBackup");
}

}  // namespace
}  // namespace quorbit
