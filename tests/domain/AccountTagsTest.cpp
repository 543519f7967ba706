#include "domain/AccountTags.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DefaultLocaleGuard.h"

namespace quorbit {
namespace {

using Tags = std::vector<std::string>;

struct NormalizeCase {
    const char* name;
    Tags input;
    Tags expected;
};

class AccountTagsNormalize : public testing::TestWithParam<NormalizeCase> {
protected:
    test::DefaultLocaleGuard locale{"en_US"};
};

TEST_P(AccountTagsNormalize, TrimsDropsRepeatsAndSortsIgnoringCase) {
    EXPECT_EQ(AccountTags::normalize(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AccountTagsNormalize,
    testing::Values(
        NormalizeCase{"Empty", {}, {}},
        NormalizeCase{"SpellingsOfOneTag", {" Work ", "work", "WORK", "", "   "}, {"Work"}},
        NormalizeCase{"FirstSpellingWinsCaseDoesNotOrder", {"b", "A", "a"}, {"A", "b"}},
        NormalizeCase{"UpperCaseDoesNotSortFirst", {"beta", "Alpha"}, {"Alpha", "beta"}},
        NormalizeCase{"InnerBlanksKept", {"  two  words "}, {"two  words"}},
        NormalizeCase{"NewlinesAndUnicodeSpaces", {"\tHome\n", "\u00A0home\u2003"}, {"Home"}},
        NormalizeCase{"FullCaseFolding", {"Straße", "STRASSE", "strasse"}, {"Straße"}},
        NormalizeCase{"CyrillicSpellings", {"Работа", "РАБОТА", " работа "}, {"Работа"}},
        NormalizeCase{"AccentsAreDifferentTags", {"Cafe", "café"}, {"Cafe", "café"}}),
    [](const testing::TestParamInfo<NormalizeCase>& testInfo) { return std::string(testInfo.param.name); });

TEST(AccountTagsOrder, SortsWithTheCurrentLocale) {
    const Tags input{"Work", "банк", "Архив"};
    {
        test::DefaultLocaleGuard english("en_US");
        EXPECT_EQ(AccountTags::normalize(input), (Tags{"Work", "Архив", "банк"}));
    }
    test::DefaultLocaleGuard russian("ru_RU");
    EXPECT_EQ(AccountTags::normalize(input), (Tags{"Архив", "банк", "Work"}));
}

TEST(AccountTagsOrder, IsStableForTagsTheCollationCallsEqual) {
    // Distinct lower-case keys, equal under a case- and width-insensitive secondary comparison.
    test::DefaultLocaleGuard english("en_US");
    EXPECT_EQ(AccountTags::normalize({"ｗｏｒｋ", "zeta", "work"}), (Tags{"ｗｏｒｋ", "work", "zeta"}));
    EXPECT_EQ(AccountTags::normalize({"work", "zeta", "ｗｏｒｋ"}), (Tags{"work", "ｗｏｒｋ", "zeta"}));
}

}  // namespace
}  // namespace quorbit
