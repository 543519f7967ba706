#include "domain/Uuid.h"

#include <openssl/rand.h>
#include <pthread.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <stdexcept>

namespace quorbit {
namespace {

// A table, not comparisons: stores hold thousands of ids, and random hex digits defeat branch
// prediction.
constexpr std::array<std::int8_t, 256> hexValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int digit = 0; digit < 10; ++digit) values['0' + digit] = static_cast<std::int8_t>(digit);
    for (int letter = 0; letter < 6; ++letter) {
        values['a' + letter] = values['A' + letter] = static_cast<std::int8_t>(10 + letter);
    }
    return values;
}();

int hexValue(char c) { return hexValues[static_cast<unsigned char>(c)]; }

bool isHyphenPosition(std::size_t i) { return i == 8 || i == 13 || i == 18 || i == 23; }

// Each draw from the secure source costs a system call, which dominated an import of
// thousands of accounts; identifiers are not secrets, so they are drawn a block at a time.
// A forked child draws afresh rather than repeat its parent's identifiers.
std::atomic<unsigned> forks = 0;

struct RandomBlock {
    static constexpr std::size_t uuids = 256;
    std::array<std::uint8_t, 16 * uuids> bytes;
    std::size_t used = bytes.size();
    unsigned forksSeen = 0;

    const std::uint8_t* take16() {
        static const bool watchingForks = pthread_atfork(nullptr, nullptr, [] { forks.fetch_add(1); }) == 0;
        const unsigned forked = forks.load(std::memory_order_relaxed);
        if (used == bytes.size() || forksSeen != forked || !watchingForks) refill(forked);
        used += 16;
        return bytes.data() + used - 16;
    }

    void refill(unsigned forked) {
        if (RAND_bytes(bytes.data(), static_cast<int>(bytes.size())) != 1) {
            throw std::runtime_error("secure random source unavailable");
        }
        used = 0;
        forksSeen = forked;
    }
};

thread_local RandomBlock randomBlock;

}  // namespace

Uuid Uuid::random() {
    Uuid uuid;
    const std::uint8_t* drawn = randomBlock.take16();
    std::copy_n(drawn, uuid.bytes_.size(), uuid.bytes_.begin());
    uuid.bytes_[6] = static_cast<std::uint8_t>((uuid.bytes_[6] & 0x0F) | 0x40);
    uuid.bytes_[8] = static_cast<std::uint8_t>((uuid.bytes_[8] & 0x3F) | 0x80);
    return uuid;
}

std::optional<Uuid> Uuid::parse(std::string_view text) {
    if (text.size() != 36) return std::nullopt;
    Uuid uuid;
    std::size_t byte = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (isHyphenPosition(i)) {
            if (text[i] != '-') return std::nullopt;
            ++i;
            continue;
        }
        const int high = hexValue(text[i]);
        const int low = hexValue(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        uuid.bytes_[byte++] = static_cast<std::uint8_t>(high * 16 + low);
        i += 2;
    }
    return uuid;
}

std::string Uuid::toString() const {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(36);
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text.push_back('-');
        text.push_back(digits[bytes_[i] >> 4]);
        text.push_back(digits[bytes_[i] & 0x0F]);
    }
    return text;
}

}  // namespace quorbit
