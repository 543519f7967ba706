#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "domain/SecretBytes.h"

namespace quorbit {

// AES-GCM in the combined layout: 12-byte nonce, ciphertext, 16-byte tag. The key length
// (16, 24 or 32 bytes) picks AES-128/192/256.
class AesGcmCipher {
public:
    static constexpr std::size_t nonceSize = 12;
    static constexpr std::size_t tagSize = 16;

    AesGcmCipher() = delete;

    // The nonce and the tag that frame a ciphertext in the combined layout.
    struct Frame {
        std::array<std::uint8_t, nonceSize> nonce;
        std::array<std::uint8_t, tagSize> tag;
    };

    // Throws QuorbitError persistenceFailure when the cipher or the random source fails.
    static std::vector<std::uint8_t> seal(const SecretBytes& key, std::span<const std::uint8_t> plaintext);
    // seal() without a second buffer: the text is replaced by its ciphertext where it is.
    static Frame sealInPlace(const SecretBytes& key, std::span<std::uint8_t> text);
    // Decrypts the combined box where it is, the plaintext replacing the ciphertext between
    // nonce and tag. False when the box is too short, the key is unusable or authentication
    // fails, and then that part is wiped.
    static bool openInPlace(const SecretBytes& key, std::span<std::uint8_t> combined);

    static std::vector<std::uint8_t> randomBytes(std::size_t count);
};

}  // namespace quorbit
