#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quorbit {

// Finds where a JSON text first nests deeper than a limit, before it is parsed: the parser
// would find it too, but only after indexing the whole text at four bytes per bracket, so a
// file of brackets would take several times its size in memory. Brackets inside strings are
// text; a closing bracket without an opening one earns no extra depth. Reads 64 bytes at a
// time and needs no memory.
class JsonNestingScan {
public:
    JsonNestingScan() = delete;

    // The offset just past the first bracket that opens level `maxDepth + 1`, if any.
    static std::optional<std::size_t> firstTooDeep(std::string_view text, std::size_t maxDepth);
};

}  // namespace quorbit
