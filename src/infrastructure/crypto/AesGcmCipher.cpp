#include "infrastructure/crypto/AesGcmCipher.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <memory>

#include "domain/QuorbitError.h"

namespace quorbit {
namespace {

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

const EVP_CIPHER* cipherFor(std::size_t keySize) {
    switch (keySize) {
    case 16: return EVP_aes_128_gcm();
    case 24: return EVP_aes_192_gcm();
    case 32: return EVP_aes_256_gcm();
    default: return nullptr;
    }
}

CipherContext newContext() { return CipherContext(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free); }

[[noreturn]] void failSealing() { throw QuorbitError::persistenceFailure("Unable to create encrypted backup."); }

}  // namespace

std::vector<std::uint8_t> AesGcmCipher::randomBytes(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    if (count > 0 && RAND_bytes(bytes.data(), static_cast<int>(count)) != 1) {
        throw QuorbitError::persistenceFailure("Unable to generate secure random data.");
    }
    return bytes;
}

std::vector<std::uint8_t> AesGcmCipher::seal(const SecretBytes& key, std::span<const std::uint8_t> plaintext) {
    const EVP_CIPHER* cipher = cipherFor(key.size());
    auto context = newContext();
    if (!cipher || !context) failSealing();

    std::vector<std::uint8_t> combined = randomBytes(nonceSize);
    combined.resize(nonceSize + plaintext.size() + tagSize);
    int written = 0;
    int finalWritten = 0;
    if (EVP_EncryptInit_ex(context.get(), cipher, nullptr, key.data(), combined.data()) != 1 ||
        EVP_EncryptUpdate(context.get(), combined.data() + nonceSize, &written, plaintext.data(),
                          static_cast<int>(plaintext.size())) != 1 ||
        EVP_EncryptFinal_ex(context.get(), combined.data() + nonceSize + written, &finalWritten) != 1 ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, static_cast<int>(tagSize),
                            combined.data() + nonceSize + plaintext.size()) != 1) {
        failSealing();
    }
    return combined;
}

std::optional<SecretBytes> AesGcmCipher::open(const SecretBytes& key, std::span<const std::uint8_t> combined) {
    const EVP_CIPHER* cipher = cipherFor(key.size());
    auto context = newContext();
    if (!cipher || !context || combined.size() < nonceSize + tagSize) return std::nullopt;

    const auto nonce = combined.first(nonceSize);
    const auto ciphertext = combined.subspan(nonceSize, combined.size() - nonceSize - tagSize);
    std::vector<std::uint8_t> tag(combined.end() - tagSize, combined.end());
    SecretBytes plaintext(ciphertext.size());
    int written = 0;
    int finalWritten = 0;
    if (EVP_DecryptInit_ex(context.get(), cipher, nullptr, key.data(), nonce.data()) != 1 ||
        EVP_DecryptUpdate(context.get(), plaintext.data(), &written, ciphertext.data(),
                          static_cast<int>(ciphertext.size())) != 1 ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, static_cast<int>(tagSize), tag.data()) != 1 ||
        EVP_DecryptFinal_ex(context.get(), plaintext.data() + written, &finalWritten) != 1) {
        return std::nullopt;
    }
    return plaintext;
}

}  // namespace quorbit
