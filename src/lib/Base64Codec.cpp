#include "lib/Base64Codec.h"

#include <array>
#include <cstring>

namespace quorbit {
namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::int8_t notInAlphabet = -1;

constexpr std::array<std::int8_t, 256> lookup = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(notInAlphabet);
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
        values[static_cast<unsigned char>(alphabet[i])] = static_cast<std::int8_t>(i);
    }
    return values;
}();

// The two characters of every 12 bits, so that three bytes take two look-ups instead of four.
constexpr std::array<std::array<char, 2>, 4096> characterPairs = [] {
    std::array<std::array<char, 2>, 4096> pairs{};
    for (std::size_t bits = 0; bits < pairs.size(); ++bits) pairs[bits] = {alphabet[bits >> 6], alphabet[bits & 0x3F]};
    return pairs;
}();

std::size_t paddingLength(std::string_view text) {
    if (text.ends_with("==")) return 2;
    if (text.ends_with('=')) return 1;
    return 0;
}

// A digit's six bits in each of the four places of a group, or a bit above the group's 24 for
// a character outside the alphabet, so that one OR of four look-ups decodes and checks a group.
using PlaceBits = std::array<std::uint32_t, 256>;
constexpr std::uint32_t notADigit = 1u << 24;

constexpr PlaceBits placeBits(int shift) {
    PlaceBits bits{};
    bits.fill(notADigit);
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
        bits[static_cast<unsigned char>(alphabet[i])] = static_cast<std::uint32_t>(i) << shift;
    }
    return bits;
}

constexpr std::array<PlaceBits, 4> places{placeBits(18), placeBits(12), placeBits(6), placeBits(0)};

// Up to four digits as their bits, 24 for a whole group; notADigit or more when one is invalid.
std::uint32_t groupBits(const char* digits, std::size_t count) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < count; ++i) bits |= places[i][static_cast<unsigned char>(digits[i])];
    return bits;
}

}  // namespace

std::string Base64Codec::encode(std::span<const std::uint8_t> data) {
    std::string text;
    encode(data, text);
    return text;
}

// Sized once and filled through a pointer: a backup's sealed box runs to megabytes.
void Base64Codec::encode(std::span<const std::uint8_t> data, std::string& output) {
    const std::size_t start = output.size();
    output.resize(start + encodedSize(data.size()));
    encode(data, output.data() + start);
}

char* Base64Codec::encode(std::span<const std::uint8_t> data, char* out) {
    const std::uint8_t* in = data.data();
    const std::uint8_t* const fullGroupsEnd = in + data.size() / 3 * 3;
    for (; in != fullGroupsEnd; in += 3, out += 4) {
        const std::uint32_t group = std::uint32_t{in[0]} << 16 | std::uint32_t{in[1]} << 8 | in[2];
        std::memcpy(out, characterPairs[group >> 12].data(), 2);
        std::memcpy(out + 2, characterPairs[group & 0xFFF].data(), 2);
    }
    const std::size_t rest = data.size() % 3;
    if (rest == 0) return out;
    const std::uint32_t group = std::uint32_t{in[0]} << 16 | (rest > 1 ? std::uint32_t{in[1]} << 8 : 0);
    out[0] = alphabet[group >> 18];
    out[1] = alphabet[(group >> 12) & 0x3F];
    out[2] = rest > 1 ? alphabet[(group >> 6) & 0x3F] : '=';
    out[3] = '=';
    return out + 4;
}

std::optional<SecretBytes> Base64Codec::decode(std::string_view text, std::size_t spareBytes) {
    if (text.size() % 4 != 0) return std::nullopt;
    const std::string_view digits = text.substr(0, text.size() - paddingLength(text));
    // Sized up front: a backup's sealed box runs to megabytes.
    SecretBytes bytes(digits.size() * 6 / 8 + spareBytes);
    std::uint8_t* out = bytes.data();
    const std::size_t fullGroups = digits.size() / 4;
    std::uint32_t invalid = 0;  // checked once at the end: the bytes are dropped anyway
    for (std::size_t group = 0; group < fullGroups; ++group, out += 3) {
        const std::uint32_t bits = groupBits(digits.data() + group * 4, 4);
        invalid |= bits;
        out[0] = static_cast<std::uint8_t>(bits >> 16);
        out[1] = static_cast<std::uint8_t>(bits >> 8);
        out[2] = static_cast<std::uint8_t>(bits);
    }
    const std::size_t rest = digits.size() % 4;  // 0, 2 or 3: the padding took the others
    const std::uint32_t restBits = groupBits(digits.data() + fullGroups * 4, rest);
    // Bits the last byte leaves over must be zero, or two texts would decode alike.
    const std::uint32_t unused = rest == 0 ? 0 : restBits & (rest == 2 ? 0xFFFF : 0xFF);
    if ((invalid | restBits) >= notADigit || unused != 0) return std::nullopt;
    if (rest == 3) *out++ = static_cast<std::uint8_t>(restBits >> 16);
    if (rest >= 2) *out = static_cast<std::uint8_t>(restBits >> (rest == 3 ? 8 : 16));
    return bytes;
}

}  // namespace quorbit
