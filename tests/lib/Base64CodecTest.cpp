#include "lib/Base64Codec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorbit {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

struct Base64Vector {
    std::string_view plain;
    std::string_view encoded;
};

void PrintTo(const Base64Vector& v, std::ostream* os) { *os << v.encoded; }

class Base64Rfc4648Test : public testing::TestWithParam<Base64Vector> {};

TEST_P(Base64Rfc4648Test, EncodesWithPaddingAndDecodesBack) {
    EXPECT_EQ(Base64Codec::encode(bytesOf(GetParam().plain)), GetParam().encoded);
    const auto decoded = Base64Codec::decode(GetParam().encoded);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->asText(), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(Section10, Base64Rfc4648Test,
                         testing::Values(Base64Vector{"", ""}, Base64Vector{"f", "Zg=="}, Base64Vector{"fo", "Zm8="},
                                         Base64Vector{"foo", "Zm9v"}, Base64Vector{"foob", "Zm9vYg=="},
                                         Base64Vector{"fooba", "Zm9vYmE="}, Base64Vector{"foobar", "Zm9vYmFy"},
                                         Base64Vector{"\xfb\xef\xff", "++//"}));

class Base64RejectionTest : public testing::TestWithParam<std::string_view> {};

TEST_P(Base64RejectionTest, GivesNoValue) { EXPECT_FALSE(Base64Codec::decode(GetParam()).has_value()); }

INSTANTIATE_TEST_SUITE_P(NotStrictBase64, Base64RejectionTest,
                         testing::Values("Zg", "Zm8", "Zg=", "Zm9vY", "--__", "Zm9v\n", "Zm 9v",
                                         "Zm9v Yg==", "Z===", "====", "Zg=a", "Zm=v", "=Zm9", "Zm9v====", "Zm9\xc3\xa4",
                                         // leftover bits that are not zero
                                         "AB==", "Zh==", "AAF=", "Zm9=", "Zm9vYh=="));

TEST(Base64RoundTripTest, EveryByteValueAndLengthComesBack) {
    std::vector<std::uint8_t> data;
    for (int i = 0; i < 300; ++i) {
        const std::string text = Base64Codec::encode(data);
        EXPECT_EQ(text.size() % 4, 0u);
        const auto decoded = Base64Codec::decode(text);
        ASSERT_TRUE(decoded.has_value()) << text;
        EXPECT_EQ(std::vector<std::uint8_t>(decoded->view().begin(), decoded->view().end()), data);
        data.push_back(static_cast<std::uint8_t>(i * 7));
    }
}

// Long texts are decoded sixteen characters at a time where the processor allows: a character
// outside the alphabet fails them wherever it stands.
TEST(Base64LongTextTest, AnyCharacterOutsideTheAlphabetFailsIt) {
    std::vector<std::uint8_t> data(300);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 37 + 11);
    const std::string text = Base64Codec::encode(data);
    for (const char outside : {'=', '-', '_', ' ', '\n', '\0', '.', ':', '@', '[', '`', '{', '\x80', '\xff'}) {
        for (std::size_t at = 0; at + 4 < text.size(); at += 7) {  // the last group may end in padding
            std::string broken = text;
            broken[at] = outside;
            EXPECT_FALSE(Base64Codec::decode(broken).has_value()) << at << " " << static_cast<int>(outside);
        }
    }
    const auto decoded = Base64Codec::decode(text);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(std::vector<std::uint8_t>(decoded->view().begin(), decoded->view().end()), data);
}

}  // namespace
}  // namespace quorbit
