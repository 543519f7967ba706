#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace quorbit::test {

// Looks into every heap block released through operator delete or free() while it lives (Qt's
// strings are released by free) and counts the
// blocks that still hold one of the given texts: a secret that reaches freed memory unwiped is
// counted, one whose buffer was wiped first is not. One watch at a time; the texts should be
// literals, since a string the test itself frees while watching would be counted too.
//
// Programs that link it have every operator delete and free() replaced by ones that look and
// then hand the block to the allocator's own, so the sanitizers keep checking. A block that
// realloc() moves is released without being looked at.
class FreedMemoryWatch {
public:
    explicit FreedMemoryWatch(std::initializer_list<std::string_view> texts);
    ~FreedMemoryWatch();
    FreedMemoryWatch(const FreedMemoryWatch&) = delete;
    FreedMemoryWatch& operator=(const FreedMemoryWatch&) = delete;

    std::size_t blocksHoldingText() const;
};

// An ASCII text as the UTF-16 bytes of a QString, to watch for Qt's copies of it.
template <std::size_t size>
constexpr std::array<char, 2 * (size - 1)> utf16Of(const char (&text)[size]) {
    std::array<char, 2 * (size - 1)> bytes{};
    for (std::size_t index = 0; index + 1 < size; ++index) bytes[2 * index] = text[index];
    return bytes;
}

}  // namespace quorbit::test
