#include "lib/OtpAuthURIParser.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <tuple>

#include "domain/QuorbitError.h"
#include "lib/UriComponents.h"
#include "support/memory/FreedMemoryWatch.h"
#include "support/memory/WatchedSecret.h"

namespace quorbit {
namespace {

TokenDraft draft(std::string issuer, std::string accountName, std::string secret = "JBSWY3DPEHPK3PXP") {
    TokenDraft result;
    result.issuer = std::move(issuer);
    result.accountName = std::move(accountName);
    result.secretBase32 = SecretBytes::fromText(secret);
    return result;
}

TokenDraft with(TokenDraft base, void (*change)(TokenDraft&)) {
    change(base);
    return base;
}

struct ParseCase {
    std::string name;
    std::string uri;
    TokenDraft expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.uri; }

class OtpAuthParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(OtpAuthParseTest, FillsTheDraft) { EXPECT_EQ(OtpAuthURIParser().parse(GetParam().uri), GetParam().expected); }

const std::string secret = "?secret=JBSWY3DPEHPK3PXP";

INSTANTIATE_TEST_SUITE_P(
    Labels, OtpAuthParseTest,
    testing::Values(
        ParseCase{"QueryIssuerWins", "otpauth://totp/Example:alice" + secret + "&issuer=Other",
                  draft("Other", "alice")},
        ParseCase{"EmptyQueryIssuer", "otpauth://totp/Example:alice" + secret + "&issuer=", draft("Example", "alice")},
        ParseCase{"BlankQueryIssuer", "otpauth://totp/Example:alice" + secret + "&issuer=%20%0A",
                  draft("Example", "alice")},
        ParseCase{"QueryIssuerTrimmed", "otpauth://totp/alice" + secret + "&issuer=%C2%A0Other%20",
                  draft("Other", "alice")},
        ParseCase{"NameAlone", "otpauth://totp/alice" + secret, draft("", "alice")},
        ParseCase{"NoPath", "otpauth://totp" + secret, draft("", "")},
        ParseCase{"OnlySlashes", "otpauth://totp///" + secret + "&issuer=Acme", draft("Acme", "")},
        ParseCase{"PercentEncodedColon", "otpauth://totp/Example%3Aalice%20b" + secret, draft("Example", "alice b")},
        ParseCase{"TrailingColon", "otpauth://totp/Example:" + secret, draft("", "Example")},
        ParseCase{"LeadingColon", "otpauth://totp/:alice" + secret + "&issuer=Acme", draft("Acme", "alice")},
        ParseCase{"FurtherColonsStayInName", "otpauth://totp/a:b:c" + secret, draft("a", "b:c")},
        ParseCase{"SlashesStripped", "otpauth://totp//Example:al/ice//" + secret, draft("Example", "al/ice")},
        ParseCase{"PiecesNotTrimmed", "otpauth://totp/%20Ex%20:%20al%20" + secret, draft(" Ex ", " al ")},
        ParseCase{"MalformedEscapeEmptiesLabel", "otpauth://totp/Ex%ZZ:alice" + secret, draft("", "")},
        ParseCase{"UnescapedNonAscii", "otpauth://totp/B\xc3\xa4nk:J\xc3\xb6rg" + secret,
                  draft("B\xc3\xa4nk", "J\xc3\xb6rg")}),
    [](const auto& testCase) { return testCase.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Parameters, OtpAuthParseTest,
    testing::Values(
        ParseCase{"Full", "otpauth://totp/Ex:al" + secret + "&algorithm=SHA256&digits=8&period=60",
                  with(draft("Ex", "al"),
                       [](TokenDraft& d) {
                           d.algorithm = OtpAlgorithm::sha256;
                           d.digits = 8;
                           d.period = 60;
                       })},
        ParseCase{"UpperCaseSchemeAndHost", "OTPAUTH://TOTP/Ex:al" + secret, draft("Ex", "al")},
        ParseCase{"Hotp", "otpauth://HOTP/Ex:al" + secret + "&counter=42",
                  with(draft("Ex", "al"),
                       [](TokenDraft& d) {
                           d.type = OtpType::hotp;
                           d.hotpCounter = 42;
                       })},
        ParseCase{"SurroundingBlanksTrimmed", " \t otpauth://totp/Ex:al" + secret + "\r\n", draft("Ex", "al")},
        ParseCase{"SecretTakenUnchanged", "otpauth://totp/al?SECRET=jbsw+y3dp&secret=OTHER",
                  draft("", "al", "jbsw+y3dp")},
        ParseCase{"FirstItemWins",
                  "otpauth://totp/al" + secret + "&digits=8&digits=5&ALGORITHM=sha512&algorithm=SHA256",
                  with(draft("", "al"),
                       [](TokenDraft& d) {
                           d.digits = 8;
                           d.algorithm = OtpAlgorithm::sha512;
                       })},
        ParseCase{"NonNumbersGiveDefaults", "otpauth://totp/al" + secret + "&digits=abc&period=abc&counter=1%20",
                  draft("", "al")},
        ParseCase{"EmptyNumbersGiveDefaults", "otpauth://totp/al" + secret + "&digits=&period&counter=+",
                  draft("", "al")},
        ParseCase{"SignedNumbers", "otpauth://hotp/al" + secret + "&digits=%2B7&period=-5&counter=-3",
                  with(draft("", "al"),
                       [](TokenDraft& d) {
                           d.type = OtpType::hotp;
                           d.digits = 7;
                           d.period = -5;
                       })},
        ParseCase{"HugePeriodClamped", "otpauth://totp/al" + secret + "&period=99999999999&counter=9223372036854775807",
                  with(draft("", "al"),
                       [](TokenDraft& d) {
                           d.period = INT_MAX;
                           d.hotpCounter = INT64_MAX;
                       })},
        ParseCase{"BeyondInt64IsNotANumber", "otpauth://totp/al" + secret + "&counter=9223372036854775808",
                  draft("", "al")},
        ParseCase{"UnknownHashIsSha1", "otpauth://totp/al" + secret + "&algorithm=MD5", draft("", "al")},
        ParseCase{"AlgorithmWithoutValueIsSha1", "otpauth://totp/al" + secret + "&algorithm", draft("", "al")},
        ParseCase{"UnknownItemsIgnored", "otpauth://totp/al" + secret + "&image=https://x/y.png&tags=a",
                  draft("", "al")}),
    [](const auto& testCase) { return testCase.param.name; });

class OtpAuthRejectionTest : public testing::TestWithParam<std::string> {};

TEST_P(OtpAuthRejectionTest, FailsWithInvalidTokenURI) {
    try {
        OtpAuthURIParser().parse(GetParam());
        FAIL() << "parsed " << GetParam();
    } catch (const QuorbitError& error) {
        EXPECT_EQ(error.errorCase(), QuorbitError::Case::invalidTokenURI);
    }
}

INSTANTIATE_TEST_SUITE_P(Invalid, OtpAuthRejectionTest,
                         testing::Values("", "   ", "JBSWY3DPEHPK3PXP", "https://totp/al" + secret,
                                         "otpauth-migration://totp/al" + secret, "otpauth://steam/al" + secret,
                                         "otpauth:totp/al" + secret, "otpauth:///al" + secret, "otpauth://totp/al",
                                         "otpauth://totp/al?", "otpauth://totp/al?issuer=Ex",
                                         "otpauth://totp/al?secret=", "otpauth://totp/al?secret",
                                         "otpauth://totp/al?secret&secret=ABC", "otpauth://totp/al?secret=%ZZ",
                                         "otpauth://totp/a\tl" + secret, "otpauth://totp/al" + secret + "&digits=9",
                                         "otpauth://totp/al" + secret + "&digits=5",
                                         "otpauth://totp/al" + secret + "&digits=-7"));

TEST(OtpAuthRobustnessTest, EveryPrefixParsesOrFailsWithInvalidTokenURI) {
    const std::string uri = "otpauth://hotp/Ex%3Aal%20b?secret=JBSW&issuer=Ex&algorithm=sha256&digits=7&counter=9";
    for (std::size_t size = 0; size <= uri.size(); ++size) {
        try {
            OtpAuthURIParser().parse(uri.substr(0, size));
        } catch (const QuorbitError& error) {
            EXPECT_EQ(error.errorCase(), QuorbitError::Case::invalidTokenURI);
        }
    }
}

TEST(OtpAuthLengthTest, OverlongTextIsNotAURI) {
    const std::string overlong = "otpauth://totp/al" + secret + "&x=" + std::string(UriComponents::maxLength, 'a');
    EXPECT_THROW(OtpAuthURIParser().parse(overlong), QuorbitError);
}

TEST(OtpAuthAllowedTypesTest, AcceptsOnlyTheConfiguredHosts) {
    const OtpAuthURIParser totpOnly({"totp"});
    EXPECT_NO_THROW(totpOnly.parse("otpauth://totp/al" + secret));
    EXPECT_THROW(totpOnly.parse("otpauth://hotp/al" + secret), QuorbitError);
    EXPECT_EQ(OtpAuthURIParser({"totp", "steam"}).parse("otpauth://steam/al" + secret).type, OtpType::totp);
}

OtpAccount account(std::string issuer, std::string accountName, OtpType type) {
    OtpAccount result;
    result.issuer = std::move(issuer);
    result.accountName = std::move(accountName);
    result.type = type;
    return result;
}

TEST(OtpAuthMakeURITest, WritesTheItemsInOrder) {
    OtpAccount totp = account("Issuer", "name", OtpType::totp);
    EXPECT_EQ(OtpAuthURIParser().makeURI(totp, "JBSWY3DP").asText(),
              "otpauth://totp/Issuer:name?secret=JBSWY3DP&issuer=Issuer&algorithm=SHA1&digits=6&period=30");

    OtpAccount hotp = account("", "bob", OtpType::hotp);
    hotp.algorithm = OtpAlgorithm::sha512;
    hotp.digits = 8;
    hotp.hotpCounter = 17;
    EXPECT_EQ(OtpAuthURIParser().makeURI(hotp, "JBSWY3DP").asText(),
              "otpauth://hotp/bob?secret=JBSWY3DP&issuer=&algorithm=SHA512&digits=8&counter=17");
}

TEST(OtpAuthMakeURITest, EscapesLabelAndQueryText) {
    const OtpAccount tricky = account("A&B=C+D#", "my b\xc3\xa4nk?50%/x@y", OtpType::totp);
    EXPECT_EQ(OtpAuthURIParser().makeURI(tricky, "S").asText(),
              "otpauth://totp/A&B=C+D%23:my%20b%C3%A4nk%3F50%25%2Fx@y?secret=S&issuer=A%26B%3DC%2BD%23&algorithm=SHA1"
              "&digits=6&period=30");
}

struct RoundTripNames {
    std::string issuer;
    std::string accountName;
};

void PrintTo(const RoundTripNames& n, std::ostream* os) { *os << n.issuer << ':' << n.accountName; }

class OtpAuthRoundTripTest : public testing::TestWithParam<std::tuple<OtpType, OtpAlgorithm, int, RoundTripNames>> {};

TEST_P(OtpAuthRoundTripTest, ParseReadsBackWhatMakeURIWrote) {
    const auto& [type, algorithm, digits, names] = GetParam();
    OtpAccount original = account(names.issuer, names.accountName, type);
    original.algorithm = algorithm;
    original.digits = digits;
    original.period = 45;
    original.hotpCounter = 1234567890123;
    const OtpAuthURIParser parser;

    const TokenDraft parsed = parser.parse(parser.makeURI(original, "JBSW Y3DP-EHPK").asText());

    EXPECT_EQ(parsed.issuer, original.issuer);
    EXPECT_EQ(parsed.accountName, original.accountName);
    EXPECT_EQ(parsed.secretBase32.asText(), "JBSW Y3DP-EHPK");
    EXPECT_EQ(parsed.type, type);
    EXPECT_EQ(parsed.algorithm, algorithm);
    EXPECT_EQ(parsed.digits, digits);
    if (type == OtpType::totp) {
        EXPECT_EQ(parsed.period, 45);
    } else {
        EXPECT_EQ(parsed.hotpCounter, 1234567890123);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Accounts, OtpAuthRoundTripTest,
    testing::Combine(testing::ValuesIn(allOtpTypes), testing::ValuesIn(allOtpAlgorithms), testing::Values(6, 7, 8),
                     testing::Values(RoundTripNames{"Example", "alice@example.com"},
                                     RoundTripNames{"My Bank & Co. #1", "a:b/c?d=e+f%20"},
                                     RoundTripNames{"B\xc3\xa4nk \xe2\x82\xac", "J\xc3\xb6rg \xf0\x9f\x94\x91"},
                                     RoundTripNames{"", "x:y"}, RoundTripNames{"a:b", "c"},
                                     RoundTripNames{"Example", ""}, RoundTripNames{"", "/x/"}, RoundTripNames{"", ":x"},
                                     RoundTripNames{"x", "y:"})));

// The query value, the draft and the written URI hold the secret; "%35" keeps the input itself
// from matching.
TEST(OtpAuthSecretsTest, TheSecretReachesFreedMemoryOnlyWiped) {
    const SecretBytes uri =
        SecretBytes::fromText("  otpauth://totp/Acme:bob?secret=T4%35FDRD6EKIAXVTEDCTTYVPBAKGUT5TQ&issuer=Acme\n");
    const OtpAuthURIParser parser;
    test::FreedMemoryWatch watch({test::watchedSecretBase32});
    {
        const TokenDraft draft = parser.parse(uri.asText());
        EXPECT_EQ(draft.secretBase32.asText(), test::watchedSecretBase32);
        const SecretBytes written = parser.makeURI(account("Acme", "bob", OtpType::totp), draft.secretBase32.asText());
        EXPECT_EQ(parser.parse(written.asText()), draft);
    }
    EXPECT_EQ(watch.blocksHoldingText(), 0u);
}

}  // namespace
}  // namespace quorbit
