#include "lib/Utf8Validator.h"

#include <gtest/gtest.h>

namespace quorbit {
namespace {

struct Utf8Case {
    std::string_view text;
    bool valid;
};

void PrintTo(const Utf8Case& c, std::ostream* os) { *os << testing::PrintToString(std::string(c.text)); }

class Utf8ValidatorTest : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ValidatorTest, TellsWellFormedText) { EXPECT_EQ(Utf8Validator::isValid(GetParam().text), GetParam().valid); }

INSTANTIATE_TEST_SUITE_P(Sequences, Utf8ValidatorTest,
                         testing::Values(Utf8Case{"", true}, Utf8Case{"plain ASCII", true},
                                         Utf8Case{"B\xc3\xa4nk", true}, Utf8Case{"\xe2\x82\xac", true},
                                         Utf8Case{"\xf0\x9f\x94\x91", true},
                                         Utf8Case{"\xf4\x8f\xbf\xbf", true},                     // U+10FFFF
                                         Utf8Case{"\xff", false}, Utf8Case{"\x80", false},       // no lead byte
                                         Utf8Case{"B\xc3", false}, Utf8Case{"\xe2\x82", false},  // cut short
                                         Utf8Case{"\xc3\x41", false},                            // bad continuation
                                         Utf8Case{"\xc0\xaf", false}, Utf8Case{"\xe0\x80\xaf", false},  // overlong
                                         Utf8Case{"\xed\xa0\x80", false},                               // surrogate
                                         Utf8Case{"\xf4\x90\x80\x80", false}, Utf8Case{"\xf8\x88\x80\x80\x80", false}));

}  // namespace
}  // namespace quorbit
