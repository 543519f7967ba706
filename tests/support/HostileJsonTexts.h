#pragma once

#include <string>
#include <vector>

namespace quorbit::test {

// A valid JSON text changed so that every reader must refuse it.
struct HostileText {
    std::string name;
    std::string text;
};

// Hostile variants of `valid`: nesting beyond 32 levels, a NUL followed by garbage, trailing
// text, invalid UTF-8, numbers beyond 64 bits. The nested, UTF-8 and number cases sit in an
// unknown member of the first object (or element of the first array), which a reader would
// otherwise ignore. With `integerMember` (a member as the text writes it, "\"digits\": 6"),
// also that integer written with a fraction.
std::vector<HostileText> hostileVariants(const std::string& valid, const std::string& integerMember = {});

// `valid` with a copy of its first object's first key, holding an empty array, put in front:
// read with the last value winning, it decodes exactly like `valid`.
std::string withRepeatedFirstKey(const std::string& valid);

}  // namespace quorbit::test
