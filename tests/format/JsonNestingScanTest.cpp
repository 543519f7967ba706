#include "format/JsonNestingScan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quorbit {
namespace {

constexpr std::size_t limit = 32;

std::string opens(std::size_t count) { return std::string(count, '['); }

struct ScanCase {
    const char* name;
    std::string text;
    bool tooDeep;  // then at the text's last byte, the 33rd opening bracket
};

// The scan reads 64 bytes at a time and passes over long strings at once: strings, escapes and
// brackets that run from one block into the next count as they would anywhere else.
class JsonNestingScanFinds : public testing::TestWithParam<ScanCase> {};

TEST_P(JsonNestingScanFinds, TheFirstBracketTooDeep) {
    const std::string& text = GetParam().text;
    const auto expected = GetParam().tooDeep ? std::optional(text.size()) : std::nullopt;
    EXPECT_EQ(JsonNestingScan::firstTooDeep(text, limit), expected);
}

const std::string escapedQuoteAtBlockEdge = "\"" + std::string(62, 'x') + "\\\"";  // quote at byte 64
const std::string escapedBackslashAtBlockEdge = "\"" + std::string(61, 'x') + "\\\\\"";

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonNestingScanFinds,
    testing::Values(
        ScanCase{"ShortText", opens(33), true}, ScanCase{"AtTheLimit", opens(32), false},
        ScanCase{"AcrossBlocks", std::string(60, ' ') + opens(33), true},
        ScanCase{"ClosersBelowZeroEarnNothing", std::string(70, ']') + opens(33), true},
        ScanCase{"BracketsInAStringAcrossBlocks", "\"" + std::string(70, 'x') + opens(40) + "\"" + opens(32), false},
        ScanCase{"AfterALongString", "[\"" + std::string(1000, 'A') + "\"," + opens(32), true},
        ScanCase{"EscapedQuoteAtABlockEdge", escapedQuoteAtBlockEdge + opens(40) + "\"" + opens(33), true},
        ScanCase{"EscapedQuoteAtABlockEdgeKeepsTheString", escapedQuoteAtBlockEdge + opens(40) + "\"", false},
        ScanCase{"EscapedBackslashAtABlockEdge", escapedBackslashAtBlockEdge + opens(33), true},
        ScanCase{"EscapeAfterALongString", "\"" + std::string(500, 'A') + "\\\"" + opens(40) + "\"", false},
        ScanCase{"EscapedBackslashAfterALongString", "\"" + std::string(500, 'A') + "\\\\\"" + opens(33), true}),
    [](const testing::TestParamInfo<ScanCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quorbit
