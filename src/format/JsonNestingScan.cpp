#include "format/JsonNestingScan.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorbit {
namespace {

constexpr std::size_t blockSize = 64;

// One bit per byte of a block, in the bytes' order.
struct BlockBits {
    std::uint64_t quotes = 0;
    std::uint64_t backslashes = 0;
    std::uint64_t opens = 0;   // [ and {
    std::uint64_t closes = 0;  // ] and }
};

// Setting bit 5 folds [ onto { and ] onto }, and nothing else onto either.
constexpr unsigned char foldBit = 0x20;

#if defined(__SSE2__)
BlockBits classify(const unsigned char* block) {
    const auto bitsOf = [](__m128i equal) {
        return static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(equal)));
    };
    BlockBits bits;
    for (std::size_t part = 0; part < blockSize / 16; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
        const __m128i folded = _mm_or_si128(bytes, _mm_set1_epi8(foldBit));
        const std::size_t shift = 16 * part;
        bits.quotes |= bitsOf(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"'))) << shift;
        bits.backslashes |= bitsOf(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\\'))) << shift;
        bits.opens |= bitsOf(_mm_cmpeq_epi8(folded, _mm_set1_epi8('{'))) << shift;
        bits.closes |= bitsOf(_mm_cmpeq_epi8(folded, _mm_set1_epi8('}'))) << shift;
    }
    return bits;
}
#else
// Eight bytes at a time in a 64-bit word, where there is no SSE2.
BlockBits classify(const unsigned char* block) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t lows = 0x7F7F7F7F7F7F7F7FULL;
    const auto bitsEqual = [](std::uint64_t word, unsigned char byte) {
        const std::uint64_t difference = word ^ (ones * byte);
        const std::uint64_t zeroBytes = ~(((difference & lows) + lows) | difference | lows);
        return ((zeroBytes >> 7) * 0x0102040810204080ULL) >> 56;  // each byte's top bit, gathered
    };
    BlockBits bits;
    for (std::size_t part = 0; part < blockSize / 8; ++part) {
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < 8; ++i) word |= std::uint64_t{block[8 * part + i]} << (8 * i);
        const std::uint64_t folded = word | (ones * foldBit);
        const std::size_t shift = 8 * part;
        bits.quotes |= bitsEqual(word, '"') << shift;
        bits.backslashes |= bitsEqual(word, '\\') << shift;
        bits.opens |= bitsEqual(folded, '{') << shift;
        bits.closes |= bitsEqual(folded, '}') << shift;
    }
    return bits;
}
#endif

// Which bytes are inside strings, block after block, as the parser's own first stage sees them.
class StringTracker {
public:
    std::uint64_t inside(const BlockBits& bits) {
        const std::uint64_t quotes = bits.quotes & ~escaped(bits.backslashes);
        const std::uint64_t inside = prefixXor(quotes) ^ insideBefore_;
        insideBefore_ = static_cast<std::uint64_t>(static_cast<std::int64_t>(inside) >> 63);
        return inside;
    }

    // Bytes that are neither quotes nor backslashes were passed over inside a string.
    void passedPlainText() { firstEscaped_ = 0; }

private:
    // Bytes after an odd run of backslashes. Subtracting each run's first backslash from the odd
    // bits carries through the run, which tells odd runs from even ones.
    std::uint64_t escaped(std::uint64_t backslashes) {
        constexpr std::uint64_t oddBits = 0xAAAAAAAAAAAAAAAAULL;
        const std::uint64_t potential = backslashes & ~firstEscaped_;
        const std::uint64_t escapesAndCodes = (((potential << 1) | oddBits) - potential) ^ oddBits;
        const std::uint64_t escaped = escapesAndCodes ^ (backslashes | firstEscaped_);
        firstEscaped_ = (escapesAndCodes & backslashes) >> 63;
        return escaped;
    }

    static std::uint64_t prefixXor(std::uint64_t bits) {
        for (int shift = 1; shift < 64; shift *= 2) bits ^= bits << shift;
        return bits;
    }

    std::uint64_t firstEscaped_ = 0;
    std::uint64_t insideBefore_ = 0;
};

// The first offset on the block grid, from `from` on, whose block holds a quote or a backslash.
std::size_t nextBlockWithQuoteOrBackslash(std::string_view text, std::size_t from) {
    const std::string_view rest = text.substr(from);
    const std::size_t quote = std::min(rest.find('"'), rest.size());
    const std::size_t stop = std::min(rest.substr(0, quote).find('\\'), quote);
    return from + stop / blockSize * blockSize;
}

}  // namespace

std::optional<std::size_t> JsonNestingScan::firstTooDeep(std::string_view text, std::size_t maxDepth) {
    const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
    StringTracker strings;
    std::size_t depth = 0;
    std::array<unsigned char, blockSize> lastBlock{};
    for (std::size_t offset = 0; offset < text.size();) {
        const unsigned char* block = begin + offset;
        if (text.size() - offset < blockSize) {
            lastBlock.fill(' ');
            std::memcpy(lastBlock.data(), block, text.size() - offset);
            block = lastBlock.data();
        }
        const BlockBits bits = classify(block);
        const std::uint64_t outside = ~strings.inside(bits);
        const std::size_t blockStart = offset;
        offset += blockSize;
        // A block wholly inside a string starts a long one, such as Base64 text: the C library
        // finds its end faster than blocks can.
        if (outside == 0 && bits.quotes == 0 && offset < text.size()) {
            const std::size_t next = nextBlockWithQuoteOrBackslash(text, offset);
            if (next > offset) strings.passedPlainText();
            offset = next;
        }
        const std::uint64_t opens = bits.opens & outside;
        const std::uint64_t closes = bits.closes & outside;
        for (std::uint64_t brackets = opens | closes; brackets != 0; brackets &= brackets - 1) {
            const int bit = std::countr_zero(brackets);
            if (((opens >> bit) & 1) == 0) {
                depth -= depth > 0 ? 1 : 0;
            } else if (++depth > maxDepth) {
                return blockStart + static_cast<std::size_t>(bit) + 1;
            }
        }
    }
    return std::nullopt;
}

}  // namespace quorbit
