#pragma once

#include "domain/SecretBytes.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace quorbit {

// PBKDF2 (RFC 8018, section 5.2) with HMAC-SHA-256 as its pseudo-random function.
class PBKDF2 {
public:
    // Returns exactly `keyByteCount` bytes. The password bytes are the HMAC key as they stand.
    // Throws QuorbitError wrongBackupPassword when `iterations` or `keyByteCount` is below 1.
    static SecretBytes deriveKey(std::span<const std::uint8_t> password, std::span<const std::uint8_t> salt,
                                 int iterations, int keyByteCount);
    // The UTF-8 bytes of `password`, unchanged.
    static SecretBytes deriveKey(std::string_view password, std::span<const std::uint8_t> salt, int iterations,
                                 int keyByteCount);
};

}  // namespace quorbit
