#include "domain/UnicodeText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "DefaultLocaleGuard.h"

namespace quorbit {
namespace {

struct TrimCase {
    std::string input;
    std::string expected;
};

class UnicodeTextTrimmed : public testing::TestWithParam<TrimCase> {};

TEST_P(UnicodeTextTrimmed, StripsOnlyTheWhitespaceAndNewlineClassAtBothEnds) {
    EXPECT_EQ(UnicodeText::trimmed(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnicodeTextTrimmed,
                         testing::Values(TrimCase{"", ""}, TrimCase{"   ", ""}, TrimCase{" Work ", "Work"},
                                         TrimCase{"\t\n\v\f\rWork\r\n", "Work"}, TrimCase{"a  b", "a  b"},
                                         TrimCase{"\u0085\u00A0\u2003Work\u2028\u2029\u3000",
                                                  "Work"},  // NEL, NBSP, em space, separators
                                         TrimCase{"\u200BWork\uFEFF", "\u200BWork\uFEFF"},  // format characters stay
                                         TrimCase{" Работа\n", "Работа"}));

struct DisplayCase {
    const char* name;
    std::string input;
    std::string shown;
};

// Right-to-left override, embeddings, isolates and marks go; right-to-left letters keep their
// order and get isolated; everything else is left as it is.
TEST(UnicodeTextDisplay, BidirectionalControlsAreRemovedAndRightToLeftTextIsIsolated) {
    const DisplayCase cases[] = {
        {"plain", "GitHub", "GitHub"},
        {"empty", "", ""},
        {"override", "Bank\u202Egnp.exe", "Bankgnp.exe"},
        {"every control", "\u202Aa\u202Bb\u202Cc\u202Dd\u202Ee\u2066f\u2067g\u2068h\u2069i\u200Ej\u200Fk\u061Cl",
         "abcdefghijkl"},
        {"only controls", "\u202E\u2067\u200F", ""},
        {"cyrillic", "Работа", "Работа"},
        {"hebrew", "\u05D1\u05E0\u05E7", "\u2068\u05D1\u05E0\u05E7\u2069"},
        {"arabic with an override", "\u202E\u0628\u0646\u0643 1", "\u2068\u0628\u0646\u0643 1\u2069"},
        {"other format characters stay", "a\u200Bb\u200Dc", "a\u200Bb\u200Dc"},
        {"invalid",
         "a\xFF"
         "b",
         "a\uFFFDb"},
    };
    for (const DisplayCase& c : cases) {
        EXPECT_EQ(UnicodeText::isolatedForDisplay(c.input), c.shown) << c.name;
    }
}

TEST(UnicodeTextRobustness, InvalidUtf8IsKeptAndNeverCrashes) {
    const std::string invalid = " \xC3\x28 \xFF ";
    EXPECT_EQ(UnicodeText::trimmed(invalid), "\xC3\x28 \xFF");
    EXPECT_EQ(UnicodeText::trimmed("\xE2\x80"), "\xE2\x80");  // truncated sequence
    EXPECT_FALSE(UnicodeText::lowercased(invalid).empty());
    EXPECT_FALSE(UnicodeText::caseInsensitiveEquals(invalid, "x"));
    EXPECT_NE(UnicodeText::localizedCaseInsensitiveCompare(invalid, "x"), 0);
}

TEST(UnicodeTextCaseMapping, UsesTheFullLocaleIndependentMappings) {
    EXPECT_EQ(UnicodeText::lowercased("GitHub ÄÖÜ РАБОТА"), "github äöü работа");
    EXPECT_EQ(UnicodeText::uppercased("straße"), "STRASSE");
    EXPECT_EQ(UnicodeText::lowercased("I"), "i");  // no Turkish dotless i, whatever the locale
    test::DefaultLocaleGuard turkish("tr_TR");
    EXPECT_EQ(UnicodeText::lowercased("I"), "i");
    EXPECT_EQ(UnicodeText::uppercased("i"), "I");
}

TEST(UnicodeTextComparison, CaseInsensitiveEqualityIgnoresCaseOnly) {
    EXPECT_TRUE(UnicodeText::caseInsensitiveEquals("GitHub", "GITHUB"));
    EXPECT_TRUE(UnicodeText::caseInsensitiveEquals("Работа", "рАБОТА"));
    EXPECT_TRUE(UnicodeText::caseInsensitiveEquals("Straße", "STRASSE"));
    EXPECT_FALSE(UnicodeText::caseInsensitiveEquals("café", "cafe"));
    EXPECT_FALSE(UnicodeText::caseInsensitiveEquals("a ", "a"));
}

// The folded text is the key form of caseInsensitiveEquals, so sets and maps agree with it.
TEST(UnicodeTextComparison, CaseFoldedTextsAreEqualExactlyWhenTheTextsAreCaseInsensitivelyEqual) {
    const std::vector<std::pair<std::string, std::string>> pairs{
        {"GitHub", "GITHUB"}, {"Straße", "STRASSE"}, {"ﬁle", "FILE"}, {"ΟΔΟΣ", "οδος"}, {"ς", "σ"},
        {"Работа", "рАБОТА"}, {"café", "cafe"},      {"ǅ", "ǆ"},      {"a ", "a"},      {"İ", "i"}};
    for (const auto& [a, b] : pairs) {
        EXPECT_EQ(UnicodeText::caseFolded(a) == UnicodeText::caseFolded(b), UnicodeText::caseInsensitiveEquals(a, b))
            << a << " / " << b;
    }
    EXPECT_EQ(UnicodeText::caseFolded("Straße"), "strasse");
}

TEST(UnicodeTextComparison, LocalizedCompareIgnoresCaseButNotAccents) {
    test::DefaultLocaleGuard english("en_US");
    EXPECT_EQ(UnicodeText::localizedCaseInsensitiveCompare("alpha", "ALPHA"), 0);
    EXPECT_LT(UnicodeText::localizedCaseInsensitiveCompare("Alpha", "beta"), 0);
    EXPECT_GT(UnicodeText::localizedCaseInsensitiveCompare("beta", "Alpha"), 0);
    EXPECT_NE(UnicodeText::localizedCaseInsensitiveCompare("cote", "côte"), 0);
}

TEST(UnicodeTextComparison, LocalizedCompareFollowsTheCurrentLocale) {
    {
        test::DefaultLocaleGuard english("en_US");
        EXPECT_LT(UnicodeText::localizedCaseInsensitiveCompare("Work", "работа"), 0);
    }
    {
        test::DefaultLocaleGuard russian("ru_RU");
        EXPECT_GT(UnicodeText::localizedCaseInsensitiveCompare("Work", "работа"), 0);
        EXPECT_LT(UnicodeText::localizedCaseInsensitiveCompare("архив", "БАНК"), 0);
    }
    {
        test::DefaultLocaleGuard swedish("sv_SE");  // "ö" sorts after "z" in Swedish only
        EXPECT_GT(UnicodeText::localizedCaseInsensitiveCompare("Ödla", "zebra"), 0);
    }
    test::DefaultLocaleGuard german("de_DE");
    EXPECT_LT(UnicodeText::localizedCaseInsensitiveCompare("Ödla", "zebra"), 0);
}

TEST(UnicodeTextContainment, LowerCasesBothSides) {
    EXPECT_TRUE(UnicodeText::containsCaseInsensitive("GitHub Enterprise", "HUB ent"));
    EXPECT_TRUE(UnicodeText::containsCaseInsensitive("Почта Яндекс", "ЯНДЕКС"));
    EXPECT_TRUE(UnicodeText::containsCaseInsensitive("anything", ""));
    EXPECT_FALSE(UnicodeText::containsCaseInsensitive("GitHub", "gitlab"));
    EXPECT_FALSE(UnicodeText::containsCaseInsensitive("cafe", "café"));
}

}  // namespace
}  // namespace quorbit
