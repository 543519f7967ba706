#include "lib/PercentEncoding.h"

#include <cstdint>

#include "lib/Utf8Validator.h"

namespace quorbit {
namespace {

int hexValue(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isAsciiAlphanumeric(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

std::optional<std::string> PercentEncoding::decode(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded.push_back(text[i]);
            continue;
        }
        if (text.size() - i < 3) return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        decoded.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    if (!Utf8Validator::isValid(decoded)) return std::nullopt;
    return decoded;
}

std::string PercentEncoding::encode(std::string_view text, std::string_view allowedPunctuation) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size());
    for (const char c : text) {
        if (isAsciiAlphanumeric(c) || allowedPunctuation.find(c) != std::string_view::npos) {
            encoded.push_back(c);
            continue;
        }
        const auto byte = static_cast<std::uint8_t>(c);
        encoded.push_back('%');
        encoded.push_back(hexDigits[byte >> 4]);
        encoded.push_back(hexDigits[byte & 0x0F]);
    }
    return encoded;
}

}  // namespace quorbit
