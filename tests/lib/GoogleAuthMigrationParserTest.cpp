#include "lib/GoogleAuthMigrationParser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "lib/Base64Codec.h"
#include "support/ProtobufWireWriter.h"
#include "support/TestPaths.h"
#include "support/memory/FreedMemoryWatch.h"
#include "support/memory/WatchedSecret.h"

namespace quorbit {
namespace {

using MigrationResult = GoogleAuthMigrationParser::MigrationResult;
using ParseError = GoogleAuthMigrationParser::ParseError;
using test::ProtobufWireWriter;

// The payload of two-accounts.txt, unescaped; it holds "+", "/" and "=".
const std::string twoAccountsBase64 =
    "CjIKDkhlbGxvId6tvu/77//4EhFhbGljZUBleGFtcGxlLmNvbRoHRXhhbXBsZSACKAIwAgogCgoBAgMEBQYHCAkKEgNib2IaBULDpG5rIAMoATABOC"
    "oQARgBIAAo+dK0////////AQ==";
const std::string uriPrefix = "otpauth-migration://offline?data=";

std::string fixtureUri(const std::string& name) {
    std::ifstream file(test::fixturePath("migration/" + name));
    std::string line;
    std::getline(file, line);
    return line;
}

std::string replaceAll(std::string text, char from, std::string_view to) {
    std::string result;
    for (const char c : text) result += c == from ? std::string(to) : std::string(1, c);
    return result;
}

GoogleAuthAccount account(SecretBytes secret, std::string name, std::string issuer) {
    GoogleAuthAccount result;
    result.secret = std::move(secret);
    result.name = std::move(name);
    result.issuer = std::move(issuer);
    return result;
}

MigrationResult twoAccounts() {
    MigrationResult result;
    GoogleAuthAccount alice = account({'H', 'e', 'l', 'l', 'o', '!', 0xDE, 0xAD, 0xBE, 0xEF, 0xFB, 0xEF, 0xFF, 0xF8},
                                      "alice@example.com", "Example");
    alice.algorithm = OtpAlgorithm::sha256;
    alice.digits = 8;
    GoogleAuthAccount bob = account({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "bob", "B\xc3\xa4nk");
    bob.algorithm = OtpAlgorithm::sha512;
    bob.type = OtpType::hotp;
    bob.counter = 42;
    result.accounts = {alice, bob};
    result.batchId = -1234567;
    return result;
}

GoogleAuthAccount carol() { return account({0x00, 0x11, 0x22, 0x33}, "carol", "Shop"); }

// Every table row carries a name; printing it keeps failure messages readable.
template <typename Case>
requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

ParseError::Case failureOf(auto&& parse) {
    try {
        parse();
    } catch (const ParseError& error) {
        return error.errorCase();
    }
    ADD_FAILURE() << "parsed without error";
    return {};
}

struct UriCase {
    std::string name;
    std::string uri;
};

class MigrationUriFormsTest : public testing::TestWithParam<UriCase> {};

TEST_P(MigrationUriFormsTest, ReadsTheTwoAccounts) {
    EXPECT_EQ(GoogleAuthMigrationParser::parse(GetParam().uri), twoAccounts());
}

INSTANTIATE_TEST_SUITE_P(
    Exports, MigrationUriFormsTest,
    testing::Values(
        UriCase{"Fixture", fixtureUri("two-accounts.txt")}, UriCase{"Unescaped", uriPrefix + twoAccountsBase64},
        UriCase{"PlusTurnedIntoBlank", uriPrefix + replaceAll(twoAccountsBase64, '+', " ")},
        UriCase{"PlusTurnedIntoEscapedBlank", uriPrefix + replaceAll(twoAccountsBase64, '+', "%20")},
        UriCase{"EscapedTwice",
                uriPrefix +
                    replaceAll(replaceAll(replaceAll(twoAccountsBase64, '+', "%252B"), '/', "%252F"), '=', "%253D")},
        UriCase{"UpperCaseScheme", "OTPAUTH-MIGRATION://offline?data=" + twoAccountsBase64},
        UriCase{"OtherHostAndItems", "otpauth-migration://x/y?v=1&data=" + twoAccountsBase64 + "&data=AAAA#f"}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(MigrationFixturesTest, BatchTwoOfThreeIsNotTheFinalOne) {
    MigrationResult expected;
    expected.accounts = {carol()};
    expected.batchSize = 3;
    expected.batchIndex = 1;
    expected.batchId = 777;
    expected.isFinalBatch = false;
    EXPECT_EQ(GoogleAuthMigrationParser::parse(fixtureUri("batch-2-of-3.txt")), expected);
}

TEST(MigrationFixturesTest, UnknownFieldsOfEveryWireTypeAreSkipped) {
    MigrationResult expected;
    expected.accounts = {carol()};
    EXPECT_EQ(GoogleAuthMigrationParser::parse(fixtureUri("unknown-fields.txt")), expected);
}

TEST(MigrationFixturesTest, AnEmptyDataItemGivesTheDefaults) {
    for (const std::string& uri :
         std::vector<std::string>{uriPrefix, "otpauth-migration://offline?data", uriPrefix + "%25zz"}) {
        EXPECT_EQ(GoogleAuthMigrationParser::parse(uri), MigrationResult{}) << uri;
    }
}

struct UriFailureCase {
    std::string name;
    std::string uri;
    ParseError::Case expected;
};

class MigrationUriFailureTest : public testing::TestWithParam<UriFailureCase> {};

TEST_P(MigrationUriFailureTest, FailsWithTheParseError) {
    EXPECT_EQ(failureOf([] { GoogleAuthMigrationParser::parse(GetParam().uri); }), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Invalid, MigrationUriFailureTest,
    testing::Values(UriFailureCase{"Truncated", fixtureUri("truncated.txt"), ParseError::Case::unexpectedEndOfData},
                    UriFailureCase{"UrlSafeAlphabet", fixtureUri("bad-base64.txt"), ParseError::Case::invalidBase64},
                    UriFailureCase{"WrongScheme", fixtureUri("wrong-scheme.txt"), ParseError::Case::invalidProtobuf},
                    UriFailureCase{"NoPadding", uriPrefix + twoAccountsBase64.substr(0, twoAccountsBase64.size() - 2),
                                   ParseError::Case::invalidBase64},
                    UriFailureCase{"LineBreakInData", uriPrefix + "Zm9v%0AYmFy", ParseError::Case::invalidBase64},
                    UriFailureCase{"UpperCaseName", "otpauth-migration://offline?DATA=" + twoAccountsBase64,
                                   ParseError::Case::invalidProtobuf},
                    UriFailureCase{"MixedCaseName", "otpauth-migration://offline?Data=" + twoAccountsBase64,
                                   ParseError::Case::invalidProtobuf},
                    UriFailureCase{"NoQuery", "otpauth-migration://offline", ParseError::Case::invalidProtobuf},
                    UriFailureCase{"EmptyQuery", "otpauth-migration://offline?", ParseError::Case::invalidProtobuf},
                    UriFailureCase{"NotTrimmed", uriPrefix + twoAccountsBase64 + "\n",
                                   ParseError::Case::invalidProtobuf},
                    UriFailureCase{"NotAUri", twoAccountsBase64, ParseError::Case::invalidProtobuf}),
    [](const auto& testCase) { return testCase.param.name; });

struct WireFailureCase {
    std::string name;
    std::vector<std::uint8_t> payload;
    ParseError::Case expected;
};

class MigrationWireFailureTest : public testing::TestWithParam<WireFailureCase> {};

TEST_P(MigrationWireFailureTest, FailsWithoutReadingPastTheEnd) {
    // A copy of exactly the payload's size lets the address sanitizer catch any overread.
    const std::vector<std::uint8_t> payload = GetParam().payload;
    EXPECT_EQ(failureOf([&] { GoogleAuthMigrationParser::parse(std::span(payload)); }), GetParam().expected);
}

std::vector<std::uint8_t> rawBytes(std::initializer_list<std::uint8_t> bytes) { return bytes; }

std::vector<std::uint8_t> inAccount(std::initializer_list<std::uint8_t> accountBytes) {
    return ProtobufWireWriter().message(1, ProtobufWireWriter().raw(accountBytes)).data();
}

constexpr auto endOfData = ParseError::Case::unexpectedEndOfData;
constexpr auto unknownWireType = ParseError::Case::unknownWireType;

INSTANTIATE_TEST_SUITE_P(
    Malformed, MigrationWireFailureTest,
    testing::Values(WireFailureCase{"EndInsideTag", rawBytes({0x80}), endOfData},
                    WireFailureCase{"EndAfterTag", rawBytes({0x10}), endOfData},
                    WireFailureCase{"EndInsideVarint", rawBytes({0x10, 0x80}), endOfData},
                    WireFailureCase{"EndInsideLengthDelimited", rawBytes({0x0A, 0x05, 0x08, 0x01}), endOfData},
                    WireFailureCase{"EndInsideFixed32", rawBytes({0x0D, 1, 2, 3}), endOfData},
                    WireFailureCase{"EndInsideFixed64", rawBytes({0x09, 1, 2, 3, 4, 5, 6, 7}), endOfData},
                    WireFailureCase{"LengthOfTwoToThe64Minus1",
                                    rawBytes({0x0A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00}),
                                    endOfData},
                    WireFailureCase{"ElevenByteVarint",
                                    rawBytes({0x10, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x01}),
                                    ParseError::Case::invalidProtobuf},
                    WireFailureCase{"WireType3", rawBytes({0x0B, 0x0C}), unknownWireType},
                    WireFailureCase{"WireType4", rawBytes({0x0C}), unknownWireType},
                    WireFailureCase{"WireType6", rawBytes({0x0E, 0x00}), unknownWireType},
                    WireFailureCase{"WireType7", rawBytes({0x0F, 0x00}), unknownWireType},
                    WireFailureCase{"UnknownWireTypeInAccount", inAccount({0x12, 0x01, 'a', 0x0B}), unknownWireType},
                    WireFailureCase{"EndInsideAccountField", inAccount({0x12, 0x05, 'a'}), endOfData}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(MigrationRobustnessTest, EveryPrefixAndByteFlipParsesOrFailsCleanly) {
    const SecretBytes whole = *Base64Codec::decode(twoAccountsBase64);
    const auto parsesOrFailsCleanly = [](std::vector<std::uint8_t> payload) {
        try {
            GoogleAuthMigrationParser::parse(std::span(payload));
        } catch (const ParseError&) {
        }
    };
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        parsesOrFailsCleanly({whole.data(), whole.data() + size});
    }
    for (std::size_t i = 0; i < whole.size(); ++i) {
        for (const std::uint8_t flip : {0x01, 0x07, 0x80, 0xFF}) {
            std::vector<std::uint8_t> payload(whole.view().begin(), whole.view().end());
            payload[i] ^= flip;
            parsesOrFailsCleanly(payload);
        }
    }
}

struct AccountFieldCase {
    std::string name;
    ProtobufWireWriter fields;
    GoogleAuthAccount expected;
};

GoogleAuthAccount changed(void (*change)(GoogleAuthAccount&)) {
    GoogleAuthAccount result;
    change(result);
    return result;
}

class MigrationAccountFieldTest : public testing::TestWithParam<AccountFieldCase> {};

TEST_P(MigrationAccountFieldTest, DecodesTheField) {
    const ProtobufWireWriter payload = ProtobufWireWriter().message(1, GetParam().fields);
    EXPECT_EQ(GoogleAuthMigrationParser::parse(std::span(payload.data())).accounts,
              std::vector<GoogleAuthAccount>{GetParam().expected});
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MigrationAccountFieldTest,
    testing::Values(
        AccountFieldCase{"NoFields", {}, {}},
        AccountFieldCase{"AlgorithmUnspecified", ProtobufWireWriter().varint(4, 0), {}},
        AccountFieldCase{"AlgorithmSha1", ProtobufWireWriter().varint(4, 1), {}},
        AccountFieldCase{"AlgorithmSha256", ProtobufWireWriter().varint(4, 2),
                         changed([](GoogleAuthAccount& a) { a.algorithm = OtpAlgorithm::sha256; })},
        AccountFieldCase{"AlgorithmSha512", ProtobufWireWriter().varint(4, 3),
                         changed([](GoogleAuthAccount& a) { a.algorithm = OtpAlgorithm::sha512; })},
        AccountFieldCase{"AlgorithmMd5", ProtobufWireWriter().varint(4, 4), {}},
        AccountFieldCase{"DigitsUnspecified", ProtobufWireWriter().varint(5, 0), {}},
        AccountFieldCase{"DigitsSix", ProtobufWireWriter().varint(5, 1), {}},
        AccountFieldCase{"DigitsEight", ProtobufWireWriter().varint(5, 2),
                         changed([](GoogleAuthAccount& a) { a.digits = 8; })},
        AccountFieldCase{"DigitsUnknown", ProtobufWireWriter().varint(5, 3),
                         changed([](GoogleAuthAccount& a) { a.digits = 8; })},
        AccountFieldCase{"TypeHotp", ProtobufWireWriter().varint(6, 1),
                         changed([](GoogleAuthAccount& a) { a.type = OtpType::hotp; })},
        AccountFieldCase{"TypeTotp", ProtobufWireWriter().varint(6, 2), {}},
        AccountFieldCase{"Counter", ProtobufWireWriter().varint(7, 42),
                         changed([](GoogleAuthAccount& a) { a.counter = 42; })},
        AccountFieldCase{"NegativeCounter", ProtobufWireWriter().varint(7, std::numeric_limits<std::uint64_t>::max()),
                         changed([](GoogleAuthAccount& a) { a.counter = -1; })},
        AccountFieldCase{
            "InvalidUtf8KeepsPreviousText",
            ProtobufWireWriter().text(2, "good").raw({0x12, 0x01, 0xFF}).text(3, "Shop").raw({0x1A, 0x02, 0xC3, 0x41}),
            changed([](GoogleAuthAccount& a) {
                a.name = "good";
                a.issuer = "Shop";
            })},
        AccountFieldCase{"LastValueWins",
                         ProtobufWireWriter().text(3, "first").text(3, "second").varint(5, 2).varint(5, 1),
                         changed([](GoogleAuthAccount& a) { a.issuer = "second"; })},
        AccountFieldCase{"WrongKindSkipped",
                         ProtobufWireWriter().varint(1, 5).varint(2, 7).text(4, "\x02").fixed32(5, 2).fixed64(6, 1),
                         {}}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(MigrationPayloadFieldTest, WrongKindsAreSkippedAndRepeatsKeepTheLastValue) {
    const ProtobufWireWriter payload =
        ProtobufWireWriter().varint(1, 3).text(2, "x").varint(2, 1).varint(2, 2).fixed32(3, 5).varint(100, 1);
    MigrationResult expected;
    expected.version = 2;
    EXPECT_EQ(GoogleAuthMigrationParser::parse(std::span(payload.data())), expected);
}

struct BatchCase {
    std::int64_t index;
    std::int64_t size;
    bool isFinal;
};

void PrintTo(const BatchCase& c, std::ostream* os) { *os << "index " << c.index << " of " << c.size; }

class MigrationFinalBatchTest : public testing::TestWithParam<BatchCase> {};

TEST_P(MigrationFinalBatchTest, IsTheLastIndexOrBeyond) {
    const ProtobufWireWriter payload = ProtobufWireWriter()
                                           .varint(3, static_cast<std::uint64_t>(GetParam().size))
                                           .varint(4, static_cast<std::uint64_t>(GetParam().index));
    EXPECT_EQ(GoogleAuthMigrationParser::parse(std::span(payload.data())).isFinalBatch, GetParam().isFinal);
}

constexpr std::int64_t int64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t int64Min = std::numeric_limits<std::int64_t>::min();

INSTANTIATE_TEST_SUITE_P(Positions, MigrationFinalBatchTest,
                         testing::Values(BatchCase{0, 1, true}, BatchCase{0, 3, false}, BatchCase{1, 3, false},
                                         BatchCase{2, 3, true}, BatchCase{5, 3, true}, BatchCase{0, 0, true},
                                         BatchCase{int64Max, int64Max, true}, BatchCase{int64Min, int64Min, true},
                                         BatchCase{int64Min, int64Max, false}));

// The data parameter, percent-decoded twice, and its Base64 text hold the whole payload.
TEST(GoogleAuthMigrationSecretsTest, ThePayloadTextReachesFreedMemoryOnlyWiped) {
    const SecretBytes uri = SecretBytes::fromText(uriPrefix + replaceAll(twoAccountsBase64, '/', "%2F"));
    test::FreedMemoryWatch watch({"CjIKDkhlbGxvId6tvu", "Hello!\xDE\xAD\xBE\xEF"});

    EXPECT_EQ(GoogleAuthMigrationParser::parse(uri.asText()), twoAccounts());

    EXPECT_EQ(watch.blocksHoldingText(), 0u);
}

}  // namespace
}  // namespace quorbit
