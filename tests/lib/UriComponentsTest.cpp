#include "lib/UriComponents.h"

#include <gtest/gtest.h>

#include <string>

namespace quorbit {
namespace {

using Item = UriComponents::QueryItem;

Item item(std::string name, std::optional<std::string_view> value = std::nullopt) {
    return {std::move(name), value ? std::optional(SecretBytes::fromText(*value)) : std::nullopt};
}

struct SplitCase {
    std::string_view text;
    UriComponents expected;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.text; }

class UriSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(UriSplitTest, SplitsIntoComponents) { EXPECT_EQ(UriComponents::parse(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Shapes, UriSplitTest,
    testing::Values(
        SplitCase{"otpauth://totp/A:b?secret=X&issuer=A",
                  {"otpauth", "totp", "/A:b", std::vector<Item>{item("secret", "X"), item("issuer", "A")}}},
        SplitCase{"otpauth://user@to%74p:80/a%20b#frag?x", {"otpauth", "totp", "/a%20b", std::nullopt}},
        SplitCase{"otpauth:totp/x", {"otpauth", std::nullopt, "totp/x", std::nullopt}},
        SplitCase{"otpauth://totp?", {"otpauth", "totp", "", std::vector<Item>{}}},
        SplitCase{"s://h/p?a&&b=&%zz=c=d#f",
                  {"s", "h", "/p", std::vector<Item>{item("a"), item(""), item("b", ""), item("%zz", "c=d")}}},
        SplitCase{"s://h?v=%ZZ&w=a+b", {"s", "h", "", std::vector<Item>{item("v"), item("w", "a+b")}}},
        SplitCase{"s://h/My Bank?n=J\xc3\xb6rg", {"s", "h", "/My Bank", std::vector<Item>{item("n", "J\xc3\xb6rg")}}}));

class UriRejectionTest : public testing::TestWithParam<std::string> {};

TEST_P(UriRejectionTest, IsNotAUri) { EXPECT_EQ(UriComponents::parse(GetParam()), std::nullopt); }

INSTANTIATE_TEST_SUITE_P(Malformed, UriRejectionTest,
                         testing::Values("", "no scheme", ":x", "1otp://x", "ot_p://x", "otpauth://totp/a\tb?x",
                                         "otpauth://totp/a?x=1\n", std::string("s://h/\0", 7), "s://h:8a/x",
                                         "s://%zz/x"));

TEST(UriLengthTest, RefusesTextLongerThanTheLimit) {
    const std::string prefix = "s://h/";
    EXPECT_TRUE(UriComponents::parse(prefix + std::string(UriComponents::maxLength - prefix.size(), 'a')));
    EXPECT_FALSE(UriComponents::parse(prefix + std::string(UriComponents::maxLength - prefix.size() + 1, 'a')));
}

}  // namespace
}  // namespace quorbit
