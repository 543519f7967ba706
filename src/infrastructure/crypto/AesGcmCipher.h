#pragma once

#include <cstdint>
#include <optional>
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

    // Throws QuorbitError persistenceFailure when the cipher or the random source fails.
    static std::vector<std::uint8_t> seal(const SecretBytes& key, std::span<const std::uint8_t> plaintext);
    // No value when the box is too short, the key is unusable or authentication fails.
    static std::optional<SecretBytes> open(const SecretBytes& key, std::span<const std::uint8_t> combined);

    static std::vector<std::uint8_t> randomBytes(std::size_t count);
};

}  // namespace quorbit
