#include "format/JsonReader.h"

#include <gtest/gtest.h>

#include <string>

#include "domain/BackupAccount.h"
#include "format/BackupAccountJson.h"
#include "format/JsonObjectReader.h"
#include "format/JsonSyntaxError.h"
#include "format/JsonTypeError.h"
#include "support/memory/FreedMemoryWatch.h"
#include "support/memory/WatchedSecret.h"

namespace quorbit {
namespace {

std::string nested(std::size_t depth, const std::string& inner = "") {
    return std::string(depth, '[') + inner + std::string(depth, ']');
}

TEST(JsonReaderLimits, NestingStopsAtThirtyTwoLevels) {
    JsonReader reader;
    EXPECT_NO_THROW(reader.read(nested(32)));
    EXPECT_NO_THROW(reader.read(std::string(31, '[') + "{}" + std::string(31, ']')));
    EXPECT_THROW(reader.read(nested(33)), JsonSyntaxError);
    EXPECT_THROW(reader.read(std::string(32, '[') + "{}" + std::string(32, ']')), JsonSyntaxError);
    // Unbalanced closers earn no extra depth.
    EXPECT_THROW(reader.read("]]]]" + nested(33)), JsonSyntaxError);
}

TEST(JsonReaderLimits, BracketsInsideStringsAreText) {
    JsonReader reader;
    const std::string brackets(100, '[');
    const std::string texts[] = {"\"" + brackets + "\"", "[\"\\\"" + brackets + "\"]",
                                 "[\"\\\\\", \"" + brackets + "\"]"};
    for (const std::string& text : texts) {
        EXPECT_NO_THROW(reader.read(text)) << text;
    }
    // An escaped backslash ends the string before the brackets.
    EXPECT_THROW(reader.read("[\"\\\\\"," + nested(40) + "]"), JsonSyntaxError);
}

SecretBytes backupAccountText() {
    return SecretBytes::fromText(
        R"({"id": "0B7A5A4E-2F4C-4C8F-9C1E-3D2B1A0F9E8D", "issuer": "GitHub", "accountName": "octo",
        "secretBase32": "T45FDRD6EKIAXVTEDCTTYVPBAKGUT5TQ", "algorithm": "SHA1", "digits": 6, "period": 30,
        "createdAt": "2026-01-02T03:04:05Z", "updatedAt": "2026-01-02T03:04:06Z", "isFavorite": false})");
}

// A plain read leaves the text in the reader's copy and in the document's string buffer.
TEST(JsonReaderSecrets, DecodingASecretTextLeavesNoUnwipedCopyBehind) {
    const SecretBytes text = backupAccountText();
    {
        test::FreedMemoryWatch watch({test::watchedSecretBase32});
        {
            JsonReader reader;
            const auto account = reader.decodeSecret<BackupAccount>(text.asText());
            EXPECT_EQ(account.secretBase32.asText(), test::watchedSecretBase32);
            EXPECT_THROW(reader.decodeSecret<BackupAccount>(text.asText().substr(0, 200)), JsonSyntaxError);
        }
        EXPECT_EQ(watch.blocksHoldingText(), 0u);
    }
    test::FreedMemoryWatch watch({test::watchedSecretBase32});
    { JsonReader().read(text.asText()); }
    EXPECT_GT(watch.blocksHoldingText(), 0u) << "the watch sees the reader's own buffers";
}

struct HostileText {
    const char* name;
    std::string text;
};

class JsonReaderRejects : public testing::TestWithParam<HostileText> {};

TEST_P(JsonReaderRejects, WithAParseErrorThatQuotesNothing) {
    JsonReader reader;
    try {
        reader.read(GetParam().text);
        FAIL() << "accepted";
    } catch (const JsonSyntaxError& error) {
        EXPECT_EQ(std::string(error.what()).find("secret"), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonReaderRejects,
    testing::Values(HostileText{"NulThenGarbage", std::string("{\"a\":\"secret\"}\0garbage}{", 24)},
                    HostileText{"NulAlone", std::string("{\"a\":\"secret\"}\0", 15)},
                    HostileText{"TrailingText", "{\"a\":\"secret\"} secret"},
                    HostileText{"SecondValue", "{\"a\":\"secret\"}{}"},
                    HostileText{"InvalidUtf8InValue", "{\"a\":\"secret\xff\"}"},
                    HostileText{"InvalidUtf8InKey", "{\"secret\xc3\x28\":1}"},
                    HostileText{"OverlongUtf8", "{\"a\":\"secret\xc0\xaf\"}"},
                    HostileText{"EncodedSurrogate", "{\"a\":\"secret\xed\xa0\x80\"}"},
                    HostileText{"LoneSurrogateEscape", "{\"a\":\"secret\\ud800\"}"},
                    HostileText{"ControlCharacterInString", "{\"a\":\"secret\tx\"}"},
                    HostileText{"IntegerBeyond64Bits", "{\"a\":\"secret\",\"n\":18446744073709551616}"},
                    HostileText{"NegativeBeyond64Bits", "{\"a\":\"secret\",\"n\":-9223372036854775809}"},
                    HostileText{"ExponentBeyondDouble", "{\"a\":\"secret\",\"n\":1e400}"},
                    HostileText{"ByteOrderMark", "\xef\xbb\xbf{\"a\":\"secret\"}"}, HostileText{"Empty", ""},
                    HostileText{"TooDeep", "{\"a\":\"secret\",\"b\":" + nested(40) + "}"}),
    [](const testing::TestParamInfo<HostileText>& param) { return std::string(param.param.name); });

// An empty file's bytes come as a view without storage.
TEST(JsonReaderLimits, AnEmptyViewWithoutStorageIsAParseError) {
    EXPECT_THROW(JsonReader().read(std::string_view()), JsonSyntaxError);
}

TEST(JsonReaderText, WhiteSpaceMayFollowTheValue) {
    JsonReader reader;
    EXPECT_TRUE(reader.read(" {} \n\t\r ").isObject());
}

TEST(JsonReaderText, ARepeatedKeyKeepsItsLastValue) {
    JsonReader reader;
    const JsonObjectReader object(reader.read(R"({"digits": [], "digits": 6, "name": "a", "name": "b"})"));
    EXPECT_EQ(object.int64("digits"), 6);
    EXPECT_EQ(object.string("name"), "b");
    EXPECT_THROW(JsonObjectReader(reader.read(R"({"digits": 6, "digits": 6.5})")).int64("digits"), JsonTypeError);
}

TEST(JsonReaderText, IntegersAreExactlyThoseWithoutFractionOrExponent) {
    JsonReader reader;
    const JsonObjectReader object(reader.read(
        R"({"zero": -0, "min": -9223372036854775808, "unsigned": 18446744073709551615, "fraction": 6.5,
            "whole": 6.0, "exponent": 6e0})"));
    EXPECT_EQ(object.int64("zero"), 0);
    EXPECT_EQ(object.int64("min"), INT64_MIN);
    for (const char* key : {"unsigned", "fraction", "whole", "exponent"}) {
        EXPECT_THROW(object.int64(key), JsonTypeError) << key;
    }
}

TEST(JsonReaderText, DecodesArraysElementByElement) {
    JsonReader reader;
    const auto strings = reader.decode<std::vector<std::string>>(R"(["a", "b\u00e9"])");
    EXPECT_EQ(strings, (std::vector<std::string>{"a", "b\xc3\xa9"}));
    EXPECT_THROW(reader.decode<std::vector<std::string>>(R"(["a", 1])"), JsonTypeError);
    EXPECT_THROW(reader.decode<std::vector<std::string>>(R"({"a": "b"})"), JsonTypeError);
}

}  // namespace
}  // namespace quorbit
