#include "lib/Utf8Validator.h"

#include <cstddef>
#include <cstdint>

namespace quorbit {
namespace {

struct SequenceStart {
    std::size_t length;
    std::uint32_t payload;
    std::uint32_t smallestCodePoint;
};

constexpr SequenceStart invalidStart{0, 0, 0};

SequenceStart sequenceStart(std::uint8_t lead) noexcept {
    if ((lead & 0xE0) == 0xC0) return {2, lead & 0x1Fu, 0x80};
    if ((lead & 0xF0) == 0xE0) return {3, lead & 0x0Fu, 0x800};
    if ((lead & 0xF8) == 0xF0) return {4, lead & 0x07u, 0x10000};
    return invalidStart;
}

// Length of the well-formed multi-byte sequence at the start of `text`, or 0.
std::size_t multiByteSequenceLength(std::string_view text) noexcept {
    const SequenceStart start = sequenceStart(static_cast<std::uint8_t>(text[0]));
    if (start.length == 0 || text.size() < start.length) return 0;
    std::uint32_t codePoint = start.payload;
    for (std::size_t i = 1; i < start.length; ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if ((byte & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (byte & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < start.smallestCodePoint || codePoint > 0x10FFFF || surrogate) return 0;
    return start.length;
}

}  // namespace

bool Utf8Validator::isValid(std::string_view text) noexcept {
    while (!text.empty()) {
        const std::size_t length = characterLength(text);
        if (length == 0) return false;
        text.remove_prefix(length);
    }
    return true;
}

std::size_t Utf8Validator::characterLength(std::string_view text) noexcept {
    if (text.empty()) return 0;
    if (static_cast<std::uint8_t>(text[0]) < 0x80) return 1;
    return multiByteSequenceLength(text);
}

}  // namespace quorbit
