#include "lib/Base32Codec.h"

#include "domain/QuorbitError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorbit {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string decodedText(std::string_view base32) { return std::string(Base32Codec().decode(base32).asText()); }

struct Rfc4648Vector {
    std::string_view plain;
    std::string_view encoded;  // RFC 4648 section 10, padding removed
};

class Base32Rfc4648Test : public testing::TestWithParam<Rfc4648Vector> {};

TEST_P(Base32Rfc4648Test, EncodesWithoutPaddingAndDecodesBack) {
    EXPECT_EQ(Base32Codec().encode(bytesOf(GetParam().plain)).asText(), GetParam().encoded);
    EXPECT_EQ(decodedText(GetParam().encoded), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(Section10, Base32Rfc4648Test,
                         testing::Values(Rfc4648Vector{"", ""}, Rfc4648Vector{"f", "MY"}, Rfc4648Vector{"fo", "MZXQ"},
                                         Rfc4648Vector{"foo", "MZXW6"}, Rfc4648Vector{"foob", "MZXW6YQ"},
                                         Rfc4648Vector{"fooba", "MZXW6YTB"}, Rfc4648Vector{"foobar", "MZXW6YTBOI"}));

TEST(Base32EncodeTest, FillsTheLastGroupWithZeroBits) {
    EXPECT_EQ(Base32Codec().encode(bytesOf("abc")).asText(), "MFRGG");
    EXPECT_EQ(Base32Codec().encode(std::vector<std::uint8_t>{0}).asText(), "AA");
    EXPECT_EQ(Base32Codec().encode(std::vector<std::uint8_t>{0xFF}).asText(), "74");
}

TEST(Base32DecodeTest, IgnoresCaseSeparatorsAndPaddingAnywhere) {
    for (std::string_view text :
         {"MFRGG", "mfrgg", "MfRgG", "M F R G G", "MF-RG-G", "MFRGG===", "=M-f\tr\nG\r\vG\f ", "  mfrgg  "}) {
        EXPECT_EQ(decodedText(text), "abc") << text;
    }
}

TEST(Base32DecodeTest, GivesEmptyBytesWhenNothingOfTheAlphabetRemains) {
    for (std::string_view text : {"", "   ", "-=- =", "\n\t", "A"}) {
        EXPECT_TRUE(Base32Codec().decode(text).empty()) << text;
    }
}

TEST(Base32DecodeTest, DropsLeftoverBitsWithoutCheckingThem) {
    EXPECT_EQ(decodedText("MFRGH"), "abc");
    EXPECT_EQ(decodedText("MFRGGZ"), "abc");
}

// Non-ASCII letters and blanks are refused rather than folded: U+0131 dotless i, U+017F long s
// and U+FB00 ff upper-case to Latin letters under full Unicode mapping; U+00A0 and U+3000
// are Unicode spaces.
TEST(Base32DecodeTest, RejectsForeignCharactersAnywhere) {
    for (std::string_view text : std::initializer_list<std::string_view>{
             "1MFRGG", "MFR0GG", "MFRGG8", "MFRGG9", "MF.RGG", "MF_RGG", "MFRGG!", "MFR\xC4\xB1GG", "MFR\xC5\xBFGG",
             "MF\xEF\xAC\x80RGG", "MF\xC2\xA0RGG", "MF\xE3\x80\x80RGG", std::string_view("MF\0RGG", 6)}) {
        try {
            Base32Codec().decode(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const QuorbitError& error) {
            EXPECT_EQ(error.errorCase(), QuorbitError::Case::invalidSecret) << text;
        }
    }
}

TEST(Base32RoundTripTest, DecodingAnEncodingGivesTheBytesBack) {
    const Base32Codec codec;
    std::vector<std::uint8_t> bytes;
    for (std::size_t size = 0; size <= 260; ++size) {
        EXPECT_EQ(codec.decode(codec.encode(bytes).asText()), SecretBytes(bytes)) << "size " << size;
        bytes.push_back(static_cast<std::uint8_t>(size * 37 + 11));
    }
}

}  // namespace
}  // namespace quorbit
