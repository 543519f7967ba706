#include "format/JsonObjectReader.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "domain/Iso8601Date.h"
#include "domain/OtpAlgorithm.h"
#include "format/JsonMissingKeyError.h"
#include "format/JsonReader.h"
#include "format/JsonTypeError.h"

namespace quorbit {
namespace {

JsonValue sample() {
    static JsonReader reader;
    return reader.read(R"({
        "text": "Work", "negative": -5, "largest": 9223372036854775807, "tooLarge": 9223372036854775808,
        "fraction": 6.5, "integralFloat": 6.0, "exponent": 1e2, "flag": false, "nothing": null,
        "date": "2026-01-02T03:04:05Z", "badDate": "yesterday", "id": "0b6a9f7e-1c2d-4e5f-8a9b-0c1d2e3f4a5b",
        "list": ["a", "b"], "emptyList": [], "mixedList": ["a", 1], "object": {"inner": "x"},
        "algorithm": "SHA256", "lowerAlgorithm": "sha256", "secret": "JBSWY3DPEHPK3PXP"
    })");
}

TEST(JsonObjectReaderValues, ReadsEachTypeWhenItMatches) {
    const JsonObjectReader reader(sample());
    EXPECT_EQ(reader.string("text"), "Work");
    EXPECT_EQ(reader.int64("negative"), -5);
    EXPECT_EQ(reader.int64("largest"), std::numeric_limits<std::int64_t>::max());
    EXPECT_FALSE(reader.boolean("flag"));
    EXPECT_EQ(reader.date("date"), Iso8601Date::parse("2026-01-02T03:04:05Z"));
    EXPECT_EQ(reader.uuid("id").toString(), "0B6A9F7E-1C2D-4E5F-8A9B-0C1D2E3F4A5B");
    EXPECT_EQ(reader.stringList("list"), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(reader.stringList("emptyList").empty());
    EXPECT_EQ(reader.object("object").string("inner"), "x");
    EXPECT_EQ(reader.parsed("algorithm", otpAlgorithmFromRawValue), OtpAlgorithm::sha256);
}

TEST(JsonObjectReaderValues, OptionalGettersTreatNullAsAbsent) {
    const JsonObjectReader reader(sample());
    for (const char* key : {"nothing", "missing"}) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(reader.has(key));
        EXPECT_EQ(reader.optionalString(key), std::nullopt);
        EXPECT_EQ(reader.optionalInt64(key), std::nullopt);
        EXPECT_EQ(reader.optionalBoolean(key), std::nullopt);
        EXPECT_EQ(reader.optionalDate(key), std::nullopt);
        EXPECT_EQ(reader.optionalUuid(key), std::nullopt);
        EXPECT_EQ(reader.optionalStringList(key), std::nullopt);
        EXPECT_FALSE(reader.optionalMember(key).has_value());
        EXPECT_EQ(reader.optionalParsed(key, otpAlgorithmFromRawValue), std::nullopt);
    }
    EXPECT_TRUE(reader.has("flag"));
    EXPECT_EQ(reader.optionalBoolean("flag"), false);
    EXPECT_EQ(reader.optionalString("text"), "Work");
}

struct FailureCase {
    const char* name;
    std::function<void(const JsonObjectReader&)> read;
};

class JsonObjectReaderWrongType : public testing::TestWithParam<FailureCase> {};

TEST_P(JsonObjectReaderWrongType, ThrowsTypeError) {
    const JsonObjectReader reader(sample());
    EXPECT_THROW(GetParam().read(reader), JsonTypeError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonObjectReaderWrongType,
    testing::Values(FailureCase{"FractionAsInteger", [](auto& r) { r.int64("fraction"); }},
                    FailureCase{"IntegralFloatAsInteger", [](auto& r) { r.int64("integralFloat"); }},
                    FailureCase{"ExponentAsInteger", [](auto& r) { r.int64("exponent"); }},
                    FailureCase{"UnsignedBeyondInt64", [](auto& r) { r.int64("tooLarge"); }},
                    FailureCase{"StringAsInteger", [](auto& r) { r.int64("text"); }},
                    FailureCase{"BooleanAsInteger", [](auto& r) { r.int64("flag"); }},
                    FailureCase{"StringAsBoolean", [](auto& r) { r.boolean("text"); }},
                    FailureCase{"IntegerAsBoolean", [](auto& r) { r.boolean("negative"); }},
                    FailureCase{"IntegerAsString", [](auto& r) { r.string("negative"); }},
                    FailureCase{"NullForRequired", [](auto& r) { r.string("nothing"); }},
                    FailureCase{"TextAsDate", [](auto& r) { r.date("badDate"); }},
                    FailureCase{"NumberAsDate", [](auto& r) { r.date("negative"); }},
                    FailureCase{"TextAsUuid", [](auto& r) { r.uuid("text"); }},
                    FailureCase{"MixedList", [](auto& r) { r.stringList("mixedList"); }},
                    FailureCase{"StringAsList", [](auto& r) { r.stringList("text"); }},
                    FailureCase{"ListAsObject", [](auto& r) { r.object("list"); }},
                    FailureCase{"LowerCaseRawValue",
                                [](auto& r) { r.parsed("lowerAlgorithm", otpAlgorithmFromRawValue); }},
                    FailureCase{"OptionalStillChecksType", [](auto& r) { r.optionalInt64("fraction"); }},
                    FailureCase{"OptionalStillChecksValue", [](auto& r) { r.optionalDate("badDate"); }}),
    [](const testing::TestParamInfo<FailureCase>& testInfo) { return std::string(testInfo.param.name); });

TEST(JsonObjectReaderErrors, MissingRequiredKeyIsOutOfRange) {
    const JsonObjectReader reader(sample());
    EXPECT_THROW(reader.string("missing"), JsonMissingKeyError);
    EXPECT_THROW(reader.int64("missing"), JsonMissingKeyError);
    EXPECT_THROW(reader.member("missing"), JsonMissingKeyError);
}

TEST(JsonObjectReaderErrors, RejectsAnythingButAnObject) {
    JsonReader reader;
    for (const char* text : {"[]", "null", "\"text\"", "1"}) {
        EXPECT_THROW(JsonObjectReader{reader.read(text)}, JsonTypeError) << text;
    }
}

TEST(JsonObjectReaderErrors, MessageNamesTheKeyButNeverTheValue) {
    const JsonObjectReader reader(sample());
    try {
        reader.int64("secret");
        FAIL() << "expected a type error";
    } catch (const JsonTypeError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("\"secret\""), std::string::npos) << message;
        EXPECT_EQ(message.find("JBSWY3DP"), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace quorbit
