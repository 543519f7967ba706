#pragma once

#include <cstdint>
#include <span>

#include "domain/SecretBytes.h"

namespace quorbit {

// Turns raw bytes into upper-case Base32 text (RFC 4648 alphabet) without padding. The text
// is the secret in another form, so it comes in a wiping buffer.
class Base32Encoding {
public:
    virtual ~Base32Encoding() = default;
    virtual SecretBytes encode(std::span<const std::uint8_t> data) const = 0;
};

}  // namespace quorbit
