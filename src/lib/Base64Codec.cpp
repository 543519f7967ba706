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
    encode(data, text);
    return text;
}

// Sized once and filled by index: a backup's sealed box runs to megabytes.
void Base64Codec::encode(std::span<const std::uint8_t> data, std::string& output) {
    std::size_t out = output.size();
    output.resize(out + (data.size() + 2) / 3 * 4, '=');
    std::size_t i = 0;
    for (; i + 3 <= data.size(); i += 3) {
        const std::uint32_t group = std::uint32_t{data[i]} << 16 | std::uint32_t{data[i + 1]} << 8 | data[i + 2];
        output[out++] = alphabet[group >> 18];
        output[out++] = alphabet[(group >> 12) & 0x3F];
        output[out++] = alphabet[(group >> 6) & 0x3F];
        output[out++] = alphabet[group & 0x3F];
    }
    const std::size_t rest = data.size() - i;
    if (rest == 0) return;
    std::uint32_t group = std::uint32_t{data[i]} << 16;
    if (rest > 1) group |= std::uint32_t{data[i + 1]} << 8;
    output[out] = alphabet[group >> 18];
    output[out + 1] = alphabet[(group >> 12) & 0x3F];
    if (rest > 1) output[out + 2] = alphabet[(group >> 6) & 0x3F];
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
    // Bits left over after the last byte must be zero, or two texts would decode alike.
    if ((buffer & ((1u << pending) - 1)) != 0) return std::nullopt;
    return bytes;
}

}  // namespace quorbit
