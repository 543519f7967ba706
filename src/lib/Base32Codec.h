#pragma once

#include "lib/Base32Decoding.h"
#include "lib/Base32Encoding.h"

#include <string_view>

namespace quorbit {

// RFC 4648 Base32 without padding on output. Decoding is lenient about the way people write
// secrets: ASCII letter case, ASCII whitespace, "=" and "-" are ignored anywhere; every
// other character, non-ASCII ones included, is invalid.
class Base32Codec final : public Base32Decoding, public Base32Encoding {
public:
    static constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";

    SecretBytes encode(std::span<const std::uint8_t> data) const override;
    SecretBytes decode(std::string_view text) const override;
};

}  // namespace quorbit
