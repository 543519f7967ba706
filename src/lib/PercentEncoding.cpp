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

void put(std::string& output, char c) { output.push_back(c); }
void put(SecretBytes& output, char c) { output.push_back(static_cast<std::uint8_t>(c)); }
std::string_view textOf(const std::string& text) { return text; }
std::string_view textOf(const SecretBytes& text) { return text.asText(); }

template <typename Text>
std::optional<Text> decodedAs(std::string_view text) {
    Text decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            put(decoded, text[i]);
            continue;
        }
        if (text.size() - i < 3) return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        put(decoded, static_cast<char>(high * 16 + low));
        i += 2;
    }
    if (!Utf8Validator::isValid(textOf(decoded))) return std::nullopt;
    return decoded;
}

template <typename Text>
void appendEncodedTo(std::string_view text, std::string_view allowedPunctuation, Text& encoded) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    for (const char c : text) {
        if (isAsciiAlphanumeric(c) || allowedPunctuation.find(c) != std::string_view::npos) {
            put(encoded, c);
            continue;
        }
        const auto byte = static_cast<std::uint8_t>(c);
        put(encoded, '%');
        put(encoded, hexDigits[byte >> 4]);
        put(encoded, hexDigits[byte & 0x0F]);
    }
}

}  // namespace

std::optional<std::string> PercentEncoding::decode(std::string_view text) { return decodedAs<std::string>(text); }

std::optional<SecretBytes> PercentEncoding::decodeSecret(std::string_view text) { return decodedAs<SecretBytes>(text); }

std::string PercentEncoding::encode(std::string_view text, std::string_view allowedPunctuation) {
    std::string encoded;
    encoded.reserve(text.size());
    appendEncodedTo(text, allowedPunctuation, encoded);
    return encoded;
}

void PercentEncoding::appendEncoded(std::string_view text, std::string_view allowedPunctuation, SecretBytes& output) {
    appendEncodedTo(text, allowedPunctuation, output);
}

}  // namespace quorbit
