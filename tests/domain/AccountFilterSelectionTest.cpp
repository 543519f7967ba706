#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "domain/AccountFilterSelection.h"
#include "domain/AccountSortOption.h"
#include "format/AccountFilterSelectionJson.h"
#include "format/AccountSortOptionJson.h"
#include "format/JsonError.h"
#include "format/JsonReader.h"
#include "format/JsonTypeError.h"
#include "support/DocumentDecoding.h"

namespace quorbit {
namespace {

TEST(AccountFilterSelectionTest, TagFiltersDifferingInCaseShareAnIdButAreNotEqual) {
    EXPECT_EQ(AccountFilterSelection::tag("Work").id(), "tag:work");
    EXPECT_EQ(AccountFilterSelection::tag("ÄRGER").id(), "tag:ärger");
    EXPECT_NE(AccountFilterSelection::tag("Work"), AccountFilterSelection::tag("work"));
    EXPECT_EQ(AccountFilterSelection::recent().id(), "system:recent");
    EXPECT_EQ(AccountFilterSelection(), AccountFilterSelection::all());
}

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

TEST(AccountSortOptionJsonTest, IsStoredAsItsRawValue) {
    EXPECT_EQ(nlohmann::json(AccountSortOption::favoritesFirst), "favoritesFirst");
    EXPECT_EQ(test::decodeDocument<AccountSortOption>(nlohmann::json("createdAt")), AccountSortOption::createdAt);
    EXPECT_THROW(test::decodeDocument<AccountSortOption>(nlohmann::json("CreatedAt")), JsonError);
    EXPECT_THROW(test::decodeDocument<AccountSortOption>(nlohmann::json(1)), JsonError);
}

}  // namespace
}  // namespace quorbit
