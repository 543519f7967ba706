#include "lib/Base64Codec.h"

#include <array>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace quorbit {
namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

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

#if defined(__x86_64__) || defined(__i386__)
// Bit h of entry l: the character h * 16 + l is a digit.
constexpr std::array<std::uint8_t, 16> digitHighNibbles = [] {
    std::array<std::uint8_t, 16> masks{};
    for (std::size_t high = 0; high < 8; ++high) {
        for (std::size_t low = 0; low < masks.size(); ++low) {
            if (places[3][high * 16 + low] != notADigit) masks[low] |= static_cast<std::uint8_t>(1u << high);
        }
    }
    return masks;
}();

// Twelve bytes at a time with SSSE3's byte shuffles, where the processor has them: each group's
// three bytes are spread over four, shifted into four six-bit values by multiplying, which then
// look up what to add to them for their characters. Gives the bytes encoded, leaving the rest.
__attribute__((target("ssse3"))) std::size_t encodeBlocks(const std::uint8_t* bytes, std::size_t size, char* out) {
    constexpr std::size_t bytesPerBlock = 12;
    const __m128i spread = _mm_setr_epi8(1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10);
    const __m128i offsets = _mm_setr_epi8('a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
                                          '0' - 52, '0' - 52, '0' - 52, '0' - 52, '+' - 62, '/' - 63, 'A', 0, 0);
    std::size_t done = 0;
    // A block's load reads 16 bytes for its 12.
    for (; done + 16 <= size; done += bytesPerBlock, out += 16) {
        const __m128i groups =
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + done)), spread);
        const __m128i firstAndThird =
            _mm_mulhi_epu16(_mm_and_si128(groups, _mm_set1_epi32(0x0FC0FC00)), _mm_set1_epi32(0x04000040));
        const __m128i secondAndFourth =
            _mm_mullo_epi16(_mm_and_si128(groups, _mm_set1_epi32(0x003F03F0)), _mm_set1_epi32(0x01000010));
        const __m128i values = _mm_or_si128(firstAndThird, secondAndFourth);
        // 0 to 25 take entry 13, 26 to 51 entry 0, 52 to 63 entries 1 to 12.
        const __m128i upperCase = _mm_cmpgt_epi8(_mm_set1_epi8(26), values);
        const __m128i entries =
            _mm_or_si128(_mm_subs_epu8(values, _mm_set1_epi8(51)), _mm_and_si128(upperCase, _mm_set1_epi8(13)));
        const __m128i characters = _mm_add_epi8(values, _mm_shuffle_epi8(offsets, entries));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), characters);
    }
    return done;
}

// Sixteen digits at a time with SSSE3's byte shuffles, where the processor has them: each
// digit's nibbles look up whether it is in the alphabet and what to add to it for its value.
// Gives the groups decoded, leaving the last few to the scalar loop, and whether all were digits.
__attribute__((target("ssse3"))) std::size_t decodeBlocks(const char* digits, std::size_t groups, std::uint8_t* out,
                                                          bool& allDigits) {
    constexpr std::size_t groupsPerBlock = 4;
    const __m128i validHighNibbles = _mm_loadu_si128(reinterpret_cast<const __m128i*>(digitHighNibbles.data()));
    const __m128i highNibbleBits = _mm_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0);
    // What to add, by high nibble; '/' takes entry 1 instead of its own 2, which is '+''s.
    const __m128i offsets = _mm_setr_epi8(0, 16, 19, 4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0);
    const __m128i byteOrder = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    __m128i misses = _mm_setzero_si128();
    std::size_t group = 0;
    // A block's store writes 16 bytes for its 12: it stops while the scalar loop has groups left.
    for (; group + groupsPerBlock + 2 <= groups; group += groupsPerBlock, out += 12) {
        const __m128i text = _mm_loadu_si128(reinterpret_cast<const __m128i*>(digits + group * 4));
        const __m128i high = _mm_and_si128(_mm_srli_epi32(text, 4), _mm_set1_epi8(0x0F));
        const __m128i low = _mm_and_si128(text, _mm_set1_epi8(0x0F));
        const __m128i valid =
            _mm_and_si128(_mm_shuffle_epi8(validHighNibbles, low), _mm_shuffle_epi8(highNibbleBits, high));
        misses = _mm_or_si128(misses, _mm_cmpeq_epi8(valid, _mm_setzero_si128()));
        const __m128i slash = _mm_cmpeq_epi8(text, _mm_set1_epi8('/'));
        const __m128i values = _mm_add_epi8(text, _mm_shuffle_epi8(offsets, _mm_add_epi8(slash, high)));
        // Two digits' six bits into twelve, two of those into a group's 24, then the bytes in order.
        const __m128i pairs = _mm_maddubs_epi16(values, _mm_set1_epi32(0x01400140));
        const __m128i groupsOfBits = _mm_madd_epi16(pairs, _mm_set1_epi32(0x00011000));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(groupsOfBits, byteOrder));
    }
    allDigits = _mm_movemask_epi8(misses) == 0;
    return group;
}
#endif

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
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("ssse3")) {
        const std::size_t done = encodeBlocks(in, data.size(), out);
        in += done;
        out += done / 3 * 4;
    }
#endif
    const std::uint8_t* const fullGroupsEnd = data.data() + data.size() / 3 * 3;
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
    std::size_t group = 0;
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("ssse3")) {
        bool allDigits = true;
        group = decodeBlocks(digits.data(), fullGroups, out, allDigits);
        out += group * 3;
        if (!allDigits) invalid = notADigit;
    }
#endif
    for (; group < fullGroups; ++group, out += 3) {
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
