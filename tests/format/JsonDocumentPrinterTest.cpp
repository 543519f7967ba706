#include "format/JsonDocumentPrinter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "format/JsonError.h"

namespace quorbit {
namespace {

TEST(JsonDocumentPrinterTest, PrintsCompactOrIndented) {
    const nlohmann::json document{{"b", 1}, {"a", {"x"}}};
    EXPECT_EQ(JsonDocumentPrinter::print(document), R"({"a":["x"],"b":1})");
    EXPECT_EQ(JsonDocumentPrinter::print(document, 2), "{\n  \"a\": [\n    \"x\"\n  ],\n  \"b\": 1\n}");
}

// The stores report this text, so it keeps the library's words.
TEST(JsonDocumentPrinterTest, TextThatIsNotUtf8ThrowsTheFormatsError) {
    try {
        JsonDocumentPrinter::print(nlohmann::json{{"issueKey", "\xFF"}});
        FAIL() << "printed";
    } catch (const JsonError& error) {
        EXPECT_STREQ(error.what(), "[json.exception.type_error.316] invalid UTF-8 byte at index 0: 0xFF");
    }
}

}  // namespace
}  // namespace quorbit
