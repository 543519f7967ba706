#include "lib/Base32Codec.h"

#include "domain/QuorbitError.h"

#include <array>
#include <cstddef>

namespace quorbit {
namespace {

constexpr std::int8_t ignored = -1;
constexpr std::int8_t invalid = -2;

constexpr bool isAsciiWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Maps every byte to its 5-bit value, `ignored` or `invalid`; bytes of UTF-8 sequences are
// all >= 0x80 and therefore invalid.
constexpr std::array<std::int8_t, 256> makeLookup() {
    std::array<std::int8_t, 256> lookup{};
    lookup.fill(invalid);
    for (std::size_t value = 0; value < Base32Codec::alphabet.size(); ++value) {
        const char c = Base32Codec::alphabet[value];
        lookup[static_cast<unsigned char>(c)] = static_cast<std::int8_t>(value);
        if (c >= 'A' && c <= 'Z') lookup[static_cast<unsigned char>(c - 'A' + 'a')] = static_cast<std::int8_t>(value);
    }
    for (int c = 0; c < 128; ++c) {
        if (isAsciiWhitespace(static_cast<char>(c)) || c == '=' || c == '-') lookup[c] = ignored;
    }
    return lookup;
}

constexpr std::array<std::int8_t, 256> lookup = makeLookup();

std::int8_t valueOf(char c) { return lookup[static_cast<unsigned char>(c)]; }

// Counts the alphabet characters, so the output is allocated once at its final size.
std::size_t countSymbols(std::string_view text) {
    std::size_t symbols = 0;
    for (char c : text) {
        const std::int8_t value = valueOf(c);
        if (value == invalid) throw QuorbitError(QuorbitError::Case::invalidSecret);
        if (value != ignored) ++symbols;
    }
    return symbols;
}

}  // namespace

SecretBytes Base32Codec::encode(std::span<const std::uint8_t> data) const {
    SecretBytes text((data.size() * 8 + 4) / 5);
    std::size_t written = 0;
    const auto put = [&](std::uint32_t value) {
        text.data()[written++] = static_cast<std::uint8_t>(alphabet[value & 31u]);
    };
    std::uint32_t buffer = 0;
    int pending = 0;
    for (std::uint8_t byte : data) {
        buffer = ((buffer << 8) | byte) & 0xFFFu;  // at most 4 + 8 bits are ever pending
        pending += 8;
        while (pending >= 5) {
            pending -= 5;
            put(buffer >> pending);
        }
    }
    if (pending > 0) put(buffer << (5 - pending));
    return text;
}

SecretBytes Base32Codec::decode(std::string_view text) const {
    SecretBytes bytes(countSymbols(text) * 5 / 8);
    std::uint32_t buffer = 0;
    int pending = 0;
    std::size_t written = 0;
    for (char c : text) {
        const std::int8_t value = valueOf(c);
        if (value == ignored) continue;
        buffer = ((buffer << 5) | static_cast<std::uint32_t>(value)) & 0xFFFu;  // at most 7 + 5 bits
        pending += 5;
        if (pending >= 8) {
            pending -= 8;
            bytes.data()[written++] = static_cast<std::uint8_t>(buffer >> pending);
        }
    }
    return bytes;
}

}  // namespace quorbit
