#include "lib/JsonTextWriter.h"

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

TEST(JsonTextWriterTest, WritesMalformedUtf8AsReplacementCharacterSoTheTextParses) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"a\xFFz", "a\xEF\xBF\xBDz"},
        {"cut \xD0", "cut \xEF\xBF\xBD"},
        {"overlong \xC0\xAF", "overlong \xEF\xBF\xBD\xEF\xBF\xBD"},
        {"surrogate \xED\xA0\x80", "surrogate \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& [input, expected] : cases) {
        const std::string output = writtenString(input);
        EXPECT_EQ(nlohmann::json::parse(output).get<std::string>(), expected) << output;
    }
}

TEST(JsonTextWriterTest, SeparatesMembersAndElementsAtEveryDepth) {
    std::string output;
    const std::vector<std::uint8_t> bytes{0x00, 0xFF, 0x10, 0x20};
    JsonTextWriter(output)
        .beginObject()
        .key("empty").beginArray().endArray()
        .key("list").beginArray().integer(-1).boolean(true).beginObject().key("k").string("v").endObject().endArray()
        .key("blob").base64String(bytes)
        .key("max").integer(INT64_MAX)
        .endObject();
    EXPECT_EQ(output, R"({"empty":[],"list":[-1,true,{"k":"v"}],"blob":"AP8QIA==","max":9223372036854775807})");
}

}  // namespace
}  // namespace quorbit
