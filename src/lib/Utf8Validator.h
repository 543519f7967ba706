#pragma once

#include <cstddef>
#include <string_view>

namespace quorbit {

// Tells well-formed UTF-8 (no overlong forms, surrogates or code points above U+10FFFF) from
// other bytes, so that text decoded from untrusted input never reaches the stores malformed.
class Utf8Validator {
public:
    static bool isValid(std::string_view text) noexcept;

    // Bytes of the well-formed character at the start of `text` (1 for ASCII), or 0.
    static std::size_t characterLength(std::string_view text) noexcept;
};

}  // namespace quorbit
