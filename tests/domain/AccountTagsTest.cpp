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
    testing::Values(NormalizeCase{"Empty", {}, {}},
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

// Past a handful of tags the repeats are found by hashing their keys and the list is sorted by
// the library: the rules stay the same.
TEST(AccountTagsLongList, KeepsTheRulesOfShortOnes) {
    test::DefaultLocaleGuard english("en_US");
    Tags input;
    Tags expected;
    for (char letter = 'z'; letter >= 'a'; --letter) {
        input.push_back(std::string(1, letter) + " tag");
        input.push_back(" " + std::string(1, static_cast<char>(letter - 'a' + 'A')) + " TAG ");
        expected.insert(expected.begin(), std::string(1, letter) + " tag");
    }
    input.insert(input.begin(), {"Straße", "STRASSE", "ｗｏｒｋ", "work"});
    expected.insert(expected.begin() + 19, "Straße");              // after "s tag"
    expected.insert(expected.begin() + 24, {"ｗｏｒｋ", "work"});  // after "w tag", in their order
    EXPECT_EQ(AccountTags::normalize(input), expected);
}

}  // namespace
}  // namespace quorbit
