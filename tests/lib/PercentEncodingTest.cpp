#include "lib/PercentEncoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quorbit {
namespace {

struct DecodeCase {
    std::string_view text;
    std::optional<std::string> decoded;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.text; }

class PercentDecodingTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(PercentDecodingTest, DecodesOrRefuses) {
    EXPECT_EQ(PercentEncoding::decode(GetParam().text), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(Escapes, PercentDecodingTest,
                         testing::Values(DecodeCase{"", ""}, DecodeCase{"a+b", "a+b"},
                                         DecodeCase{"alice%20b", "alice b"}, DecodeCase{"%3a%3A", "::"},
                                         DecodeCase{"B%C3%A4nk", "B\xc3\xa4nk"},
                                         DecodeCase{"%252B", "%2B"},  // decoded once only
                                         DecodeCase{"50%", std::nullopt}, DecodeCase{"%2", std::nullopt},
                                         DecodeCase{"%zz", std::nullopt}, DecodeCase{"%C3", std::nullopt},  // not UTF-8
                                         DecodeCase{"\xff", std::nullopt}));

TEST(PercentEncodingTest, KeepsOnlyAlphanumericsAndTheAllowedPunctuation) {
    EXPECT_EQ(PercentEncoding::encode("a-b c/B\xc3\xa4%", "-/"), "a-b%20c/B%C3%A4%25");
    EXPECT_EQ(PercentEncoding::encode("&=#", ""), "%26%3D%23");
}

}  // namespace
}  // namespace quorbit
