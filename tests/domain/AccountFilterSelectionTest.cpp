#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "domain/AccountFilterSelection.h"
#include "domain/AccountSortOption.h"

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
        EXPECT_EQ(json.get<AccountFilterSelection>(), filter) << text;
    }
}

TEST(AccountFilterSelectionJsonTest, UnknownKeysAreIgnoredBesideTheOneCase) {
    EXPECT_EQ(nlohmann::json::parse(R"({"trash":{},"extra":1})").get<AccountFilterSelection>(),
              AccountFilterSelection::trash());
}

TEST(AccountFilterSelectionJsonTest, RejectsAnythingButExactlyOneCase) {
    EXPECT_THROW(
        {
            try {
                nlohmann::json::object().get<AccountFilterSelection>();
            } catch (const nlohmann::json::type_error& error) {
                EXPECT_NE(std::string(error.what()).find("Invalid number of keys found, expected one."),
                          std::string::npos);
                throw;
            }
        },
        nlohmann::json::type_error);
    const char* invalid[] = {
        R"({"all":{},"trash":{}})", R"({"tag":{}})", R"({"tag":{"_0":7}})", R"({"tag":"Work"})",
        R"({"all":null})",          R"("all")",      R"({"other":{}})",
    };
    for (const char* text : invalid) {
        EXPECT_THROW(nlohmann::json::parse(text).get<AccountFilterSelection>(), nlohmann::json::exception) << text;
    }
}

TEST(AccountSortOptionJsonTest, IsStoredAsItsRawValue) {
    EXPECT_EQ(nlohmann::json(AccountSortOption::favoritesFirst), "favoritesFirst");
    EXPECT_EQ(nlohmann::json("createdAt").get<AccountSortOption>(), AccountSortOption::createdAt);
    EXPECT_THROW(nlohmann::json("CreatedAt").get<AccountSortOption>(), nlohmann::json::exception);
    EXPECT_THROW(nlohmann::json(1).get<AccountSortOption>(), nlohmann::json::exception);
}

}  // namespace
}  // namespace quorbit
