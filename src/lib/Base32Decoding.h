#pragma once

#include "domain/SecretBytes.h"

#include <string_view>

namespace quorbit {

// Turns Base32 text (RFC 4648 alphabet) into raw secret bytes.
class Base32Decoding {
public:
    virtual ~Base32Decoding() = default;
    // Throws QuorbitError invalidSecret for a character outside the alphabet.
    virtual SecretBytes decode(std::string_view text) const = 0;
};

}  // namespace quorbit
