#include "format/JsonTextWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace quorbit {
namespace {

std::string writtenString(std::string_view text) {
    std::string output;
    JsonTextWriter(output).string(text);
    return output;
}

// The document library is the reference for every well-formed string.
TEST(JsonTextWriterTest, EscapesStringsAsTheDocumentLibraryPrintsThem) {
    const std::vector<std::string> texts{
        "",
        "plain ASCII",
        "quote \" and backslash \\",
        "\b\f\n\r\t",
        std::string("\x01\x1f\x7f", 3),
        std::string("nul \0 inside", 12),
        "Кириллица и emoji \xF0\x9F\x94\x91",
        "/slash stays",
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(writtenString(text), nlohmann::json(text).dump()) << text;
    }
}

TEST(JsonTextWriterTest, RefusesMalformedUtf8) {
    for (const std::string text : {"a\xFFz", "cut \xD0", "overlong \xC0\xAF", "surrogate \xED\xA0\x80"}) {
        std::string output;
        EXPECT_THROW(JsonTextWriter(output).string(text), std::invalid_argument) << text;
    }
}

TEST(JsonTextWriterTest, SeparatesMembersAndElementsAtEveryDepth) {
    std::string output;
    const std::vector<std::uint8_t> bytes{0x00, 0xFF, 0x10, 0x20};
    JsonTextWriter(output)
        .beginObject()
        .key("empty")
        .beginArray()
        .endArray()
        .key("list")
        .beginArray()
        .integer(-1)
        .boolean(true)
        .beginObject()
        .key("k")
        .string("v")
        .endObject()
        .endArray()
        .key("blob")
        .base64String(bytes)
        .key("max")
        .integer(INT64_MAX)
        .endObject();
    EXPECT_EQ(output, R"({"empty":[],"list":[-1,true,{"k":"v"}],"blob":"AP8QIA==","max":9223372036854775807})");
}

TEST(JsonTextWriterTest, IndentsAsTheDocumentLibraryDoes) {
    std::string output;
    JsonTextWriter(output, 2)
        .beginArray()
        .beginObject()
        .key("a")
        .beginArray()
        .endArray()
        .key("b")
        .beginObject()
        .endObject()
        .key("c")
        .beginArray()
        .string("x")
        .integer(2)
        .endArray()
        .endObject()
        .beginObject()
        .endObject()
        .endArray();
    const auto reference = nlohmann::json::parse(R"([{"a":[],"b":{},"c":["x",2]},{}])");
    EXPECT_EQ(output, reference.dump(2));
}

}  // namespace
}  // namespace quorbit
