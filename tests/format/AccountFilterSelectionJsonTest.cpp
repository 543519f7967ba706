#include "format/AccountFilterSelectionJson.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include <nlohmann/json.hpp>

#include "domain/AccountFilterSelection.h"
#include "format/JsonError.h"
#include "format/JsonReader.h"
#include "format/JsonTypeError.h"
#include "support/DocumentDecoding.h"

namespace quorbit {
namespace {

TEST(AccountFilterSelectionJsonTest, EachCaseRoundTripsAsAKeyedObject) {
    const std::pair<AccountFilterSelection, const char*> rows[] = {
        {AccountFilterSelection::all(), R"({"all":{}})"},
        {AccountFilterSelection::favorites(), R"({"favorites":{}})"},
        {AccountFilterSelection::recent(), R"({"recent":{}})"},
        {AccountFilterSelection::trash(), R"({"trash":{}})"},
        {AccountFilterSelection::tag("Work & Play"), R"({"tag":{"_0":"Work & Play"}})"},
    };
    for (const auto& [filter, text] : rows) {
        const nlohmann::json json = filter;
        EXPECT_EQ(json, nlohmann::json::parse(text));
        EXPECT_EQ(test::decodeDocument<AccountFilterSelection>(json), filter) << text;
    }
}

TEST(AccountFilterSelectionJsonTest, UnknownKeysAreIgnoredBesideTheOneCase) {
    EXPECT_EQ(JsonReader().decode<AccountFilterSelection>(R"({"trash":{},"extra":1})"),
              AccountFilterSelection::trash());
}

TEST(AccountFilterSelectionJsonTest, RejectsAnythingButExactlyOneCase) {
    EXPECT_THROW(
        {
            try {
                test::decodeDocument<AccountFilterSelection>(nlohmann::json::object());
            } catch (const JsonTypeError& error) {
                EXPECT_NE(std::string(error.what()).find("Invalid number of keys found, expected one."),
                          std::string::npos);
                throw;
            }
        },
        JsonTypeError);
    const char* invalid[] = {
        R"({"all":{},"trash":{}})", R"({"tag":{}})", R"({"tag":{"_0":7}})", R"({"tag":"Work"})",
        R"({"all":null})",          R"("all")",      R"({"other":{}})",
    };
    for (const char* text : invalid) {
        EXPECT_THROW(JsonReader().decode<AccountFilterSelection>(text), JsonError) << text;
    }
}

}  // namespace
}  // namespace quorbit
