#include "infrastructure/crypto/EncryptedBackupCryptoService.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>
#include <openssl/crypto.h>

#include "domain/BackupPayload.h"
#include "domain/QuorbitError.h"
#include "format/BackupPayloadJson.h"
#include "format/BackupPayloadWriter.h"
#include "format/JsonError.h"
#include "format/JsonObjectReader.h"
#include "format/JsonReader.h"
#include "format/JsonTextWriter.h"
#include "infrastructure/crypto/AesGcmCipher.h"
#include "lib/Base64Codec.h"
#include "lib/PBKDF2.h"

namespace quorbit {
namespace {

constexpr std::int64_t envelopeVersion = 1;
constexpr const char* kdfName = "PBKDF2-HMAC-SHA256";

// The sealed box is opened where it was decoded, so it is kept with the room the payload's
// reader needs after it.
struct Envelope {
    std::int64_t iterations = 0;
    SecretBytes salt;
    SecretBytes paddedBox;

    std::span<std::uint8_t> box() { return std::span(paddedBox.data(), paddedBox.size() - JsonReader::padding); }
};

// The payload text holds every secret in Base32: it is wiped on every way out.
struct WipedText {
    std::string text;
    ~WipedText() { OPENSSL_cleanse(text.data(), text.capacity()); }
};

[[noreturn]] void failCorrupted() { throw QuorbitError(QuorbitError::Case::corruptedBackup); }

// The Base64 of nonce, ciphertext and tag, in parts that split at multiples of three bytes, so
// that they need not be joined first.
char* writeBox(const AesGcmCipher::Frame& frame, std::span<const std::uint8_t> ciphertext, char* out) {
    static_assert(AesGcmCipher::nonceSize % 3 == 0);
    const auto wholeGroups = ciphertext.first(ciphertext.size() / 3 * 3);
    const auto rest = ciphertext.subspan(wholeGroups.size());
    std::array<std::uint8_t, 2 + AesGcmCipher::tagSize> tail{};
    std::copy(frame.tag.begin(), frame.tag.end(), std::copy(rest.begin(), rest.end(), tail.begin()));
    out = Base64Codec::encode(frame.nonce, out);
    out = Base64Codec::encode(wholeGroups, out);
    return Base64Codec::encode(std::span(tail).first(rest.size() + frame.tag.size()), out);
}

SecretBytes decodeBase64(std::string_view text, std::size_t spareBytes = 0) {
    auto bytes = Base64Codec::decode(text, spareBytes);
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
        const auto kdf = reader.text("kdf");
        const auto iterations = reader.int64("iterations");
        reader.int64("saltBytes");
        const auto salt = reader.text("salt");
        const auto sealedBox = reader.text("sealedBox");
        if (version != envelopeVersion || kdf != kdfName) failCorrupted();
        if (iterations < 1 || iterations > EncryptedBackupCryptoService::maxIterations) failCorrupted();
        Envelope envelope{iterations, decodeBase64(salt), decodeBase64(sealedBox, JsonReader::padding)};
        if (envelope.box().size() < AesGcmCipher::nonceSize + AesGcmCipher::tagSize) failCorrupted();
        return envelope;
    } catch (const JsonError&) {
        failCorrupted();
    }
}

// The payload lies between the box's nonce and its tag, which with the room after the box
// gives the reader what it needs, so it is read where it is.
BackupPayload readPayload(JsonReader& json, Envelope& opened) {
    const std::size_t size = opened.box().size() - AesGcmCipher::nonceSize - AesGcmCipher::tagSize;
    try {
        return json.decodeSecret<BackupPayload>(opened.paddedBox.view().subspan(AesGcmCipher::nonceSize), size);
    } catch (const JsonError&) {
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
    // Sealed where it was written, and wiped there all the same.
    const std::span text(reinterpret_cast<std::uint8_t*>(plaintext.text.data()), plaintext.text.size());
    const auto frame = AesGcmCipher::sealInPlace(key, text);
    return envelopeBytes(salt, frame, text);
}

// Keys sorted, as the document form prints them. The sealed box, by far the largest value, is
// encoded straight into the bytes returned, between the quotes of the empty value written for it.
std::vector<std::uint8_t> EncryptedBackupCryptoService::envelopeBytes(std::span<const std::uint8_t> salt,
                                                                      const AesGcmCipher::Frame& frame,
                                                                      std::span<const std::uint8_t> ciphertext) const {
    std::string text;
    JsonTextWriter json(text);
    json.beginObject()
        .key("iterations")
        .integer(iterations_)
        .key("kdf")
        .string(kdfName)
        .key("salt")
        .base64String(salt)
        .key("saltBytes")
        .integer(saltBytes_)
        .key("sealedBox");
    const std::size_t boxAt = text.size() + 1;  // past the opening quote
    json.string("").key("version").integer(envelopeVersion).endObject();

    const std::size_t boxBytes = frame.nonce.size() + ciphertext.size() + frame.tag.size();
    std::vector<std::uint8_t> bytes(text.size() + Base64Codec::encodedSize(boxBytes));
    char* out = std::copy_n(text.data(), boxAt, reinterpret_cast<char*>(bytes.data()));
    out = writeBox(frame, ciphertext, out);
    std::copy(text.begin() + static_cast<std::ptrdiff_t>(boxAt), text.end(), out);
    return bytes;
}

BackupPayload EncryptedBackupCryptoService::decrypt(std::span<const std::uint8_t> data, const SecretBytes& password) {
    JsonReader json;  // the payload reuses the buffers the envelope needed
    Envelope envelope = readEnvelope(json, data);
    const SecretBytes key =
        PBKDF2::deriveKey(password.view(), envelope.salt.view(), static_cast<int>(envelope.iterations), keyByteCount_);
    if (!AesGcmCipher::openInPlace(key, envelope.box())) throw QuorbitError(QuorbitError::Case::wrongBackupPassword);
    return readPayload(json, envelope);
}

}  // namespace quorbit
