#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "domain/SecretBytes.h"

namespace quorbit {

// Standard Base64 (RFC 4648 section 4: "+" and "/", "=" padding), strict in both directions.
// Decoding returns no value instead of throwing so that each caller reports its own error
// (a corrupted backup, an invalid migration payload). Decoded bytes are wiped on release
// because migration payloads carry account secrets.
class Base64Codec {
public:
    static std::string encode(std::span<const std::uint8_t> data);
    // Appends the encoding to `output`, so large values need no second buffer.
    static void encode(std::span<const std::uint8_t> data, std::string& output);
    // Writes the encodedSize(data.size()) characters at `out` and returns their end. Parts whose
    // sizes, all but the last, are multiples of three encode to the encoding of the whole.
    static char* encode(std::span<const std::uint8_t> data, char* out);
    static constexpr std::size_t encodedSize(std::size_t byteCount) { return (byteCount + 2) / 3 * 4; }

    // Accepts only alphabet characters, a length that is a multiple of four and at most two
    // "=" at the very end; blanks and line breaks are rejected. Empty text gives empty bytes.
    // The bytes are followed by `spareBytes` zero bytes, for a caller that needs room after them.
    static std::optional<SecretBytes> decode(std::string_view text, std::size_t spareBytes = 0);
};

}  // namespace quorbit
