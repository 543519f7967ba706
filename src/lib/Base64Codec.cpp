#include "lib/Base64Codec.h"

#include <algorithm>
#include <array>

namespace quorbit {
namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::int8_t notInAlphabet = -1;

constexpr std::array<std::int8_t, 256> makeLookup() {
    std::array<std::int8_t, 256> lookup{};
    lookup.fill(notInAlphabet);
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
        lookup[static_cast<unsigned char>(alphabet[i])] = static_cast<std::int8_t>(i);
    }
    return lookup;
}

constexpr std::array<std::int8_t, 256> lookup = makeLookup();

std::size_t paddingLength(std::string_view text) {
    if (text.ends_with("==")) return 2;
    if (text.ends_with('=')) return 1;
    return 0;
}

}  // namespace

std::string Base64Codec::encode(std::span<const std::uint8_t> data) {
    std::string text;
    text.reserve((data.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < data.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, data.size() - i);
        std::uint32_t group = std::uint32_t{data[i]} << 16;
        if (count > 1) group |= std::uint32_t{data[i + 1]} << 8;
        if (count > 2) group |= data[i + 2];
        for (std::size_t k = 0; k < 4; ++k) {
            text.push_back(k <= count ? alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=');
        }
    }
    return text;
}

std::optional<SecretBytes> Base64Codec::decode(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    const std::size_t padding = paddingLength(text);
    const std::string_view digits = text.substr(0, text.size() - padding);
    // Sized up front: a backup's sealed box runs to megabytes.
    SecretBytes bytes(digits.size() * 6 / 8);
    std::size_t written = 0;
    std::uint32_t buffer = 0;
    int pending = 0;
    for (const char c : digits) {
        const std::int8_t value = lookup[static_cast<unsigned char>(c)];
        if (value == notInAlphabet) return std::nullopt;
        buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
        pending += 6;
        if (pending >= 8) {
            pending -= 8;
            bytes.data()[written++] = static_cast<std::uint8_t>(buffer >> pending);
        }
    }
    return bytes;
}

}  // namespace quorbit
