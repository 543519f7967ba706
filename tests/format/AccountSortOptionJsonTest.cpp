#include "format/AccountSortOptionJson.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "domain/AccountSortOption.h"
#include "format/JsonError.h"
#include "support/DocumentDecoding.h"

namespace quorbit {
namespace {

TEST(AccountSortOptionJsonTest, IsStoredAsItsRawValue) {
    EXPECT_EQ(nlohmann::json(AccountSortOption::favoritesFirst), "favoritesFirst");
    EXPECT_EQ(test::decodeDocument<AccountSortOption>(nlohmann::json("createdAt")), AccountSortOption::createdAt);
    EXPECT_THROW(test::decodeDocument<AccountSortOption>(nlohmann::json("CreatedAt")), JsonError);
    EXPECT_THROW(test::decodeDocument<AccountSortOption>(nlohmann::json(1)), JsonError);
}

}  // namespace
}  // namespace quorbit
