#include "application/CodeVisibility.h"

#include <gtest/gtest.h>

#include <set>
#include <unordered_set>

namespace quorbit {
namespace {

struct VisibilityCase {
    const char* name;
    bool copied;
    bool revealed;
    bool copyOnClick;
    bool hideByDefault;
    bool visible;
};

class CodeVisibilityTest : public testing::TestWithParam<VisibilityCase> {};

TEST_P(CodeVisibilityTest, FollowsCopiedThenRevealedThenSettings) {
    const VisibilityCase& c = GetParam();
    OtpAccount account;
    account.id = Uuid::random();
    const std::optional<Uuid> copiedId = c.copied ? std::optional(account.id) : std::optional(Uuid::random());
    std::set<Uuid> revealed;
    if (c.revealed) revealed.insert(account.id);
    AppSettings settings;
    settings.copyCodeOnClick = c.copyOnClick;
    settings.hideCodesByDefault = c.hideByDefault;

    EXPECT_EQ(codeVisible(account, copiedId, revealed, settings), c.visible);
    const std::unordered_set<Uuid> unordered(revealed.begin(), revealed.end());
    EXPECT_EQ(codeVisible(account, copiedId, unordered, settings), c.visible);
}

INSTANTIATE_TEST_SUITE_P(Cases, CodeVisibilityTest,
                         testing::Values(VisibilityCase{"copiedWinsOverHiddenAndRevealOnly", true, false, false, true,
                                                        true},
                                         VisibilityCase{"revealOnlyHidesUnrevealed", false, false, false, false, false},
                                         VisibilityCase{"revealOnlyShowsRevealed", false, true, false, true, true},
                                         VisibilityCase{"copyOnClickShowsByDefault", false, false, true, false, true},
                                         VisibilityCase{"hiddenByDefaultMasks", false, false, true, true, false},
                                         VisibilityCase{"hiddenByDefaultShowsRevealed", false, true, true, true, true}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(CodeVisibilityTest, NoCopiedAccountIsNotThisAccount) {
    OtpAccount account;
    AppSettings settings;
    settings.hideCodesByDefault = true;
    EXPECT_FALSE(codeVisible(account, std::nullopt, std::set<Uuid>{}, settings));
}

}  // namespace
}  // namespace quorbit
