#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "domain/SecretBytes.h"

namespace quorbit {

// %XX escapes of UTF-8 bytes as URIs use them.
class PercentEncoding {
public:
    // Replaces every %XX by its byte. A "%" without two hex digits after it, or a result that
    // is not well-formed UTF-8, gives no value. "+" stays "+".
    static std::optional<std::string> decode(std::string_view text);
    // The same for a text that may hold a secret.
    static std::optional<SecretBytes> decodeSecret(std::string_view text);

    // Keeps ASCII letters and digits and the characters of `allowedPunctuation`; every other
    // byte becomes %XX with upper-case hex digits.
    static std::string encode(std::string_view text, std::string_view allowedPunctuation);
    // The same, appended to a secret's buffer.
    static void appendEncoded(std::string_view text, std::string_view allowedPunctuation, SecretBytes& output);
};

}  // namespace quorbit
