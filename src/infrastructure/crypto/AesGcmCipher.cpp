#include "infrastructure/crypto/AesGcmCipher.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <algorithm>
#include <array>
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
    std::vector<std::uint8_t> combined(nonceSize + plaintext.size() + tagSize);
    const auto text = std::span(combined).subspan(nonceSize, plaintext.size());
    std::copy(plaintext.begin(), plaintext.end(), text.begin());
    Frame frame{};
    try {
        frame = sealInPlace(key, text);
    } catch (...) {
        OPENSSL_cleanse(combined.data(), combined.size());  // it may still hold the plaintext
        throw;
    }
    std::copy(frame.nonce.begin(), frame.nonce.end(), combined.begin());
    std::copy(frame.tag.begin(), frame.tag.end(), text.end());
    return combined;
}

AesGcmCipher::Frame AesGcmCipher::sealInPlace(const SecretBytes& key, std::span<std::uint8_t> text) {
    const EVP_CIPHER* cipher = cipherFor(key.size());
    auto context = newContext();
    if (!cipher || !context) failSealing();

    Frame frame{};
    const auto nonce = randomBytes(nonceSize);
    std::copy(nonce.begin(), nonce.end(), frame.nonce.begin());
    int written = 0;
    int finalWritten = 0;
    if (EVP_EncryptInit_ex(context.get(), cipher, nullptr, key.data(), frame.nonce.data()) != 1 ||
        EVP_EncryptUpdate(context.get(), text.data(), &written, text.data(), static_cast<int>(text.size())) != 1 ||
        EVP_EncryptFinal_ex(context.get(), text.data() + written, &finalWritten) != 1 ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, static_cast<int>(tagSize), frame.tag.data()) != 1) {
        failSealing();
    }
    return frame;
}

bool AesGcmCipher::openInPlace(const SecretBytes& key, std::span<std::uint8_t> combined) {
    const EVP_CIPHER* cipher = cipherFor(key.size());
    auto context = newContext();
    if (!cipher || !context || combined.size() < nonceSize + tagSize) return false;

    const auto nonce = combined.first(nonceSize);
    const auto text = combined.subspan(nonceSize, combined.size() - nonceSize - tagSize);
    const auto tag = combined.last(tagSize);
    int written = 0;
    int finalWritten = 0;
    const bool opened =
        EVP_DecryptInit_ex(context.get(), cipher, nullptr, key.data(), nonce.data()) == 1 &&
        EVP_DecryptUpdate(context.get(), text.data(), &written, text.data(), static_cast<int>(text.size())) == 1 &&
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, static_cast<int>(tagSize), tag.data()) == 1 &&
        EVP_DecryptFinal_ex(context.get(), text.data() + written, &finalWritten) == 1;
    if (!opened) OPENSSL_cleanse(text.data(), text.size());
    return opened;
}

}  // namespace quorbit
