#include "infrastructure/crypto/EncryptedBackupCryptoService.h"

#include <gtest/gtest.h>

#include <functional>

#include <nlohmann/json.hpp>

#include "domain/BackupPayload.h"
#include "domain/QuorbitError.h"
#include "lib/Base64Codec.h"

namespace quorbit {
namespace {

using namespace std::chrono;

BackupPayload samplePayload() {
    BackupAccount account;
    account.id = *Uuid::parse("0B7A5A4E-2F4C-4C8F-9C1E-3D2B1A0F9E8D");
    account.issuer = "GitHub";
    account.accountName = "octo@example.com";
    account.secretBase32 = SecretBytes::fromText("JBSWY3DPEHPK3PXP");
    account.createdAt = TimePoint(seconds(1'700'000'000));
    account.updatedAt = TimePoint(seconds(1'700'000'100));
    account.tags = {"Work"};
    return BackupPayload{TimePoint(seconds(1'700'000'200)), {account}};
}

SecretBytes password(std::string_view text) { return SecretBytes::fromText(text); }

QuorbitError::Case decryptError(EncryptedBackupCryptoService& service, const std::vector<std::uint8_t>& bytes,
                                std::string_view pass = "correct horse") {
    try {
        service.decrypt(bytes, password(pass));
    } catch (const QuorbitError& error) {
        return error.errorCase();
    }
    ADD_FAILURE() << "decrypt succeeded";
    return QuorbitError::Case::locked;
}

std::vector<std::uint8_t> bytesOf(const nlohmann::json& json) {
    const auto text = json.dump();
    return {text.begin(), text.end()};
}

nlohmann::json envelopeOf(const std::vector<std::uint8_t>& bytes) { return nlohmann::json::parse(bytes); }

TEST(EncryptedBackupCryptoService, OpensWithTheEnvelopesIterationCountWhateverTheServiceSettings) {
    EncryptedBackupCryptoService sealing(120000, 16);
    const auto bytes = sealing.encrypt(samplePayload(), password("correct horse"));

    EncryptedBackupCryptoService opening(1000, 64);
    EXPECT_EQ(opening.decrypt(bytes, password("correct horse")), samplePayload());

    const auto envelope = envelopeOf(bytes);
    EXPECT_EQ(envelope["iterations"], 120000);
    EXPECT_EQ(envelope["saltBytes"], 16);
    EXPECT_EQ(envelope["kdf"], "PBKDF2-HMAC-SHA256");
    EXPECT_EQ(envelope["version"], 1);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_LT(text.find("\"iterations\""), text.find("\"kdf\""));  // sorted keys
}

TEST(EncryptedBackupCryptoService, WrongPasswordAndEveryFlippedSealedByteFailAsWrongPassword) {
    EncryptedBackupCryptoService service(1000, 16);
    const auto bytes = service.encrypt(samplePayload(), password("correct horse"));
    EXPECT_EQ(decryptError(service, bytes, "battery staple"), QuorbitError::Case::wrongBackupPassword);

    auto envelope = envelopeOf(bytes);
    const auto sealed = *Base64Codec::decode(envelope["sealedBox"].get<std::string>());
    for (std::size_t i = 0; i < sealed.size(); i += 7) {
        SecretBytes flipped = sealed;
        flipped.data()[i] ^= 0x01;
        envelope["sealedBox"] = Base64Codec::encode(flipped.view());
        EXPECT_EQ(decryptError(service, bytesOf(envelope)), QuorbitError::Case::wrongBackupPassword) << "byte " << i;
    }
}

TEST(EncryptedBackupCryptoService, MalformedOrHostileEnvelopesAreCorrupted) {
    EncryptedBackupCryptoService service(1000, 16);
    const auto good = envelopeOf(service.encrypt(samplePayload(), password("correct horse")));

    struct Case {
        const char* name;
        std::function<void(nlohmann::json&)> change;
    };
    const std::vector<Case> cases = {
        {"version 2", [](auto& e) { e["version"] = 2; }},
        {"kdf in other case", [](auto& e) { e["kdf"] = "pbkdf2-hmac-sha256"; }},
        {"salt not Base64", [](auto& e) { e["salt"] = "***"; }},
        {"sealed box not Base64", [](auto& e) { e["sealedBox"] = "abc"; }},
        {"missing sealed box", [](auto& e) { e.erase("sealedBox"); }},
        {"iterations as text", [](auto& e) { e["iterations"] = "1000"; }},
        {"iterations with a fraction", [](auto& e) { e["iterations"] = 1000.5; }},
        {"zero iterations", [](auto& e) { e["iterations"] = 0; }},
        {"iterations beyond the limit", [](auto& e) { e["iterations"] = 10'000'001; }},
    };
    for (const auto& c : cases) {
        auto envelope = good;
        c.change(envelope);
        EXPECT_EQ(decryptError(service, bytesOf(envelope)), QuorbitError::Case::corruptedBackup) << c.name;
    }

    const std::string notJson = "this is not a backup";
    EXPECT_EQ(decryptError(service, {notJson.begin(), notJson.end()}), QuorbitError::Case::corruptedBackup);
    std::vector<std::uint8_t> huge(EncryptedBackupCryptoService::maxFileBytes + 1, ' ');
    EXPECT_EQ(decryptError(service, huge), QuorbitError::Case::corruptedBackup);
}

TEST(EncryptedBackupCryptoService, TwoSealsOfOnePayloadDifferInSaltAndBox) {
    EncryptedBackupCryptoService service(1000, 16);
    const auto first = envelopeOf(service.encrypt(samplePayload(), password("pw")));
    const auto second = envelopeOf(service.encrypt(samplePayload(), password("pw")));
    EXPECT_NE(first["salt"], second["salt"]);
    EXPECT_NE(first["sealedBox"], second["sealedBox"]);
}

TEST(EncryptedBackupCryptoService, NewBackupsUseASaltOfSixteenTo1024Bytes) {
    for (const auto& [configured, expected] :
         std::vector<std::pair<int, int>>{{0, 16}, {8, 16}, {32, 32}, {4096, 1024}}) {
        EncryptedBackupCryptoService service(1000, configured);
        const auto envelope = envelopeOf(service.encrypt(samplePayload(), password("pw")));
        EXPECT_EQ(envelope["saltBytes"], expected);
        EXPECT_EQ(Base64Codec::decode(envelope["salt"].get<std::string>())->size(), static_cast<std::size_t>(expected));
    }
}

TEST(EncryptedBackupCryptoService, TextThatIsNotUtf8FailsTheSealInsteadOfWritingAnUnreadableBackup) {
    BackupPayload payload = samplePayload();
    payload.accounts[0].issuer = "\xFF";
    EncryptedBackupCryptoService service(1000, 16);
    try {
        service.encrypt(payload, password("password"));
        FAIL();
    } catch (const QuorbitError& error) {
        EXPECT_EQ(error.errorCase(), QuorbitError::Case::persistenceFailure);
    }
}

TEST(EncryptedBackupCryptoService, NonPositiveIterationCountFailsSealingLikeAWrongPassword) {
    EncryptedBackupCryptoService service(0, 16);
    try {
        service.encrypt(samplePayload(), password("pw"));
        FAIL();
    } catch (const QuorbitError& error) {
        EXPECT_EQ(error.errorCase(), QuorbitError::Case::wrongBackupPassword);
    }
}

}  // namespace
}  // namespace quorbit
