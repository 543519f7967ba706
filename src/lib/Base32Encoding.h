#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quorbit {

// Turns raw bytes into upper-case Base32 text (RFC 4648 alphabet) without padding.
class Base32Encoding {
public:
    virtual ~Base32Encoding() = default;
    virtual std::string encode(std::span<const std::uint8_t> data) const = 0;
};

}  // namespace quorbit
