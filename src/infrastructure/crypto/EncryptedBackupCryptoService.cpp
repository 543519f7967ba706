#include "infrastructure/crypto/EncryptedBackupCryptoService.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>
#include <openssl/crypto.h>

#include "domain/BackupPayload.h"
#include "domain/JsonObjectReader.h"
#include "domain/JsonReader.h"
#include "domain/QuorbitError.h"
#include "infrastructure/crypto/AesGcmCipher.h"
#include "infrastructure/crypto/BackupPayloadWriter.h"
#include "lib/Base64Codec.h"
#include "lib/JsonTextWriter.h"
#include "lib/PBKDF2.h"

namespace quorbit {
namespace {

constexpr std::int64_t envelopeVersion = 1;
constexpr const char* kdfName = "PBKDF2-HMAC-SHA256";

struct Envelope {
    std::int64_t iterations = 0;
    SecretBytes salt;
    SecretBytes sealedBox;
};

// The payload text holds every secret in Base32: it is wiped on every way out.
struct WipedText {
    std::string text;
    ~WipedText() { OPENSSL_cleanse(text.data(), text.capacity()); }
};

[[noreturn]] void failCorrupted() { throw QuorbitError(QuorbitError::Case::corruptedBackup); }

std::vector<std::uint8_t> toBytes(const std::string& text) { return {text.begin(), text.end()}; }

SecretBytes decodeBase64(const std::string& text) {
    auto bytes = Base64Codec::decode(text);
    if (!bytes) failCorrupted();
    return std::move(*bytes);
}

// Everything that can be checked without deriving a key is checked here, so a hostile file
// cannot make us spend minutes in PBKDF2.
Envelope readEnvelope(JsonReader& json, std::span<const std::uint8_t> data) {
    if (data.size() > EncryptedBackupCryptoService::maxFileBytes) failCorrupted();
    try {
        const char* text = reinterpret_cast<const char*>(data.data());
        const JsonObjectReader reader(json.read(std::string_view(text, data.size())));
        const auto version = reader.int64("version");
        const auto kdf = reader.string("kdf");
        const auto iterations = reader.int64("iterations");
        reader.int64("saltBytes");
        const auto salt = reader.string("salt");
        const auto sealedBox = reader.string("sealedBox");
        if (version != envelopeVersion || kdf != kdfName) failCorrupted();
        if (iterations < 1 || iterations > EncryptedBackupCryptoService::maxIterations) failCorrupted();
        Envelope envelope{iterations, decodeBase64(salt), decodeBase64(sealedBox)};
        if (envelope.sealedBox.size() < AesGcmCipher::nonceSize + AesGcmCipher::tagSize) failCorrupted();
        return envelope;
    } catch (const nlohmann::json::exception&) {
        failCorrupted();
    }
}

BackupPayload readPayload(JsonReader& json, const SecretBytes& plaintext) {
    try {
        return json.decodeSecret<BackupPayload>(plaintext.asText());
    } catch (const nlohmann::json::exception&) {
        failCorrupted();
    }
}

}  // namespace

EncryptedBackupCryptoService::EncryptedBackupCryptoService(int iterations, int saltBytes, int keyByteCount)
    : iterations_(static_cast<int>(std::min<std::int64_t>(iterations, maxIterations))),
      saltBytes_(std::clamp(saltBytes, minSaltBytes, maxSaltBytes)), keyByteCount_(keyByteCount) {}

std::vector<std::uint8_t> EncryptedBackupCryptoService::encrypt(const BackupPayload& payload,
                                                                const SecretBytes& password) {
    const auto salt = AesGcmCipher::randomBytes(static_cast<std::size_t>(saltBytes_));
    const SecretBytes key = PBKDF2::deriveKey(password.view(), salt, iterations_, keyByteCount_);
    WipedText plaintext;
    try {
        BackupPayloadWriter::write(payload, plaintext.text);
    } catch (const std::invalid_argument& error) {
        throw QuorbitError::persistenceFailure(error.what());
    }
    const auto sealed = AesGcmCipher::seal(
        key, std::span(reinterpret_cast<const std::uint8_t*>(plaintext.text.data()), plaintext.text.size()));
    return envelopeBytes(salt, sealed);
}

// Keys sorted, as the document form prints them; the sealed box is by far the largest value.
std::vector<std::uint8_t> EncryptedBackupCryptoService::envelopeBytes(std::span<const std::uint8_t> salt,
                                                                      std::span<const std::uint8_t> sealed) const {
    std::string text;
    text.reserve((salt.size() + sealed.size()) / 3 * 4 + 160);
    JsonTextWriter(text)
        .beginObject()
        .key("iterations").integer(iterations_)
        .key("kdf").string(kdfName)
        .key("salt").base64String(salt)
        .key("saltBytes").integer(saltBytes_)
        .key("sealedBox").base64String(sealed)
        .key("version").integer(envelopeVersion)
        .endObject();
    return toBytes(text);
}

BackupPayload EncryptedBackupCryptoService::decrypt(std::span<const std::uint8_t> data, const SecretBytes& password) {
    JsonReader json;  // the payload reuses the buffers the envelope needed
    const Envelope envelope = readEnvelope(json, data);
    const SecretBytes key =
        PBKDF2::deriveKey(password.view(), envelope.salt.view(), static_cast<int>(envelope.iterations), keyByteCount_);
    const auto plaintext = AesGcmCipher::open(key, envelope.sealedBox.view());
    if (!plaintext) throw QuorbitError(QuorbitError::Case::wrongBackupPassword);
    return readPayload(json, *plaintext);
}

}  // namespace quorbit
