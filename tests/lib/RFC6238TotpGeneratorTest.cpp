#include "lib/RFC6238TotpGenerator.h"

#include "domain/QuorbitError.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <limits>

namespace quorbit {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

const SecretBytes sha1Seed = SecretBytes::fromText("12345678901234567890");
const SecretBytes sha256Seed = SecretBytes::fromText("12345678901234567890123456789012");
const SecretBytes sha512Seed =
    SecretBytes::fromText("1234567890123456789012345678901234567890123456789012345678901234");

TimePoint at(seconds sinceEpoch) { return TimePoint(sinceEpoch); }

void expectInvalidSecret(const std::function<void()>& call, const std::string& label) {
    try {
        call();
        ADD_FAILURE() << "accepted " << label;
    } catch (const QuorbitError& error) {
        EXPECT_EQ(error.errorCase(), QuorbitError::Case::invalidSecret) << label;
    }
}

TEST(HotpCodeTest, ReproducesRfc4226AppendixD) {
    const char* expected[] = {"755224", "287082", "359152", "969429", "338314",
                              "254676", "287922", "162583", "399871", "520489"};
    const RFC6238TotpGenerator generator;
    for (std::int64_t counter = 0; counter < 10; ++counter) {
        EXPECT_EQ(generator.hotpCode(sha1Seed, OtpAlgorithm::sha1, 6, counter), expected[counter]) << counter;
    }
}

// Appendix D's truncated value for counter 0 is 1284755224; counter 44 gives 152 at six digits.
TEST(HotpCodeTest, KeepsTheLastDigitsWithLeadingZeros) {
    const RFC6238TotpGenerator generator;
    EXPECT_EQ(generator.hotpCode(sha1Seed, OtpAlgorithm::sha1, 7, 0), "4755224");
    EXPECT_EQ(generator.hotpCode(sha1Seed, OtpAlgorithm::sha1, 8, 0), "84755224");
    EXPECT_EQ(generator.hotpCode(sha1Seed, OtpAlgorithm::sha1, 6, 44), "000152");
}

TEST(HotpCodeTest, UsesAnySecretLengthAsTheKey) {
    const RFC6238TotpGenerator generator;
    EXPECT_EQ(generator.hotpCode(SecretBytes{0x42}, OtpAlgorithm::sha1, 6, 0).size(), 6u);
    EXPECT_EQ(generator.hotpCode(SecretBytes(std::size_t{200}), OtpAlgorithm::sha512, 8, 1).size(), 8u);
    EXPECT_EQ(generator.hotpCode(sha1Seed, OtpAlgorithm::sha1, 6, std::numeric_limits<std::int64_t>::max()).size(), 6u);
}

TEST(HotpCodeTest, RejectsUnusableMaterial) {
    const RFC6238TotpGenerator generator;
    expectInvalidSecret([&] { generator.hotpCode(SecretBytes{}, OtpAlgorithm::sha1, 6, 0); }, "empty secret");
    expectInvalidSecret([&] { generator.prepareKey(SecretBytes{}, OtpAlgorithm::sha1); }, "empty prepared secret");
    const PreparedOtpKey key = generator.prepareKey(sha1Seed, OtpAlgorithm::sha1);
    expectInvalidSecret([&] { generator.hotpCode(key, 9, 0); }, "prepared key, digits 9");
    expectInvalidSecret([&] { generator.hotpCode(key, 6, -1); }, "prepared key, counter -1");
    for (int digits : {-1, 0, 5, 9, 10}) {
        expectInvalidSecret([&] { generator.hotpCode(sha1Seed, OtpAlgorithm::sha1, digits, 0); },
                            "digits " + std::to_string(digits));
    }
    for (std::int64_t counter : {std::int64_t{-1}, std::numeric_limits<std::int64_t>::min()}) {
        expectInvalidSecret([&] { generator.hotpCode(sha1Seed, OtpAlgorithm::sha1, 6, counter); },
                            "counter " + std::to_string(counter));
    }
}

struct Rfc6238Vector {
    std::int64_t time;
    OtpAlgorithm algorithm;
    const char* code;
};

class TotpRfc6238Test : public testing::TestWithParam<Rfc6238Vector> {};

const SecretBytes& seedFor(OtpAlgorithm algorithm) {
    switch (algorithm) {
    case OtpAlgorithm::sha1: return sha1Seed;
    case OtpAlgorithm::sha256: return sha256Seed;
    case OtpAlgorithm::sha512: return sha512Seed;
    }
    return sha1Seed;
}

TEST_P(TotpRfc6238Test, ReproducesAppendixB) {
    const auto& [time, algorithm, code] = GetParam();
    const RFC6238TotpGenerator generator;
    EXPECT_EQ(generator.hotpCode(seedFor(algorithm), algorithm, 8, time / 30), code);
    // A key prepared once gives the same code at every use.
    const PreparedOtpKey key = generator.prepareKey(seedFor(algorithm), algorithm);
    EXPECT_EQ(generator.hotpCode(key, 8, time / 30), code);
    EXPECT_EQ(generator.hotpCode(key, 8, time / 30), code);
    // The last time of the appendix lies beyond what a nanosecond time point can hold.
    if (time <= std::chrono::duration_cast<seconds>(TimePoint::max().time_since_epoch()).count()) {
        EXPECT_EQ(generator.totpCode(seedFor(algorithm), algorithm, 8, 30, at(seconds(time))), code);
        EXPECT_EQ(generator.totpCode(key, 8, 30, at(seconds(time))), code);
    }
}

INSTANTIATE_TEST_SUITE_P(AppendixB, TotpRfc6238Test,
                         testing::Values(Rfc6238Vector{59, OtpAlgorithm::sha1, "94287082"},
                                         Rfc6238Vector{59, OtpAlgorithm::sha256, "46119246"},
                                         Rfc6238Vector{59, OtpAlgorithm::sha512, "90693936"},
                                         Rfc6238Vector{1111111109, OtpAlgorithm::sha1, "07081804"},
                                         Rfc6238Vector{1111111109, OtpAlgorithm::sha256, "68084774"},
                                         Rfc6238Vector{1111111109, OtpAlgorithm::sha512, "25091201"},
                                         Rfc6238Vector{1111111111, OtpAlgorithm::sha1, "14050471"},
                                         Rfc6238Vector{1111111111, OtpAlgorithm::sha256, "67062674"},
                                         Rfc6238Vector{1111111111, OtpAlgorithm::sha512, "99943326"},
                                         Rfc6238Vector{1234567890, OtpAlgorithm::sha1, "89005924"},
                                         Rfc6238Vector{1234567890, OtpAlgorithm::sha256, "91819424"},
                                         Rfc6238Vector{1234567890, OtpAlgorithm::sha512, "93441116"},
                                         Rfc6238Vector{2000000000, OtpAlgorithm::sha1, "69279037"},
                                         Rfc6238Vector{2000000000, OtpAlgorithm::sha256, "90698825"},
                                         Rfc6238Vector{2000000000, OtpAlgorithm::sha512, "38618901"},
                                         Rfc6238Vector{20000000000, OtpAlgorithm::sha1, "65353130"},
                                         Rfc6238Vector{20000000000, OtpAlgorithm::sha256, "77737706"},
                                         Rfc6238Vector{20000000000, OtpAlgorithm::sha512, "47863826"}));

TEST(TotpCodeTest, CountsWholePeriodsOfFractionalTime) {
    const RFC6238TotpGenerator generator;
    const auto code = [&](TimePoint date, std::int64_t period) {
        return generator.totpCode(sha1Seed, OtpAlgorithm::sha1, 6, period, date);
    };
    const auto hotp = [&](std::int64_t counter) {
        return generator.hotpCode(sha1Seed, OtpAlgorithm::sha1, 6, counter);
    };
    EXPECT_EQ(code(TimePoint(milliseconds(59'999)), 30), hotp(1));
    EXPECT_EQ(code(TimePoint(milliseconds(60'000)), 30), hotp(2));
    EXPECT_EQ(code(TimePoint(milliseconds(999)), 1), hotp(0));
    EXPECT_EQ(code(at(seconds(1'000)), 7), hotp(142));
    EXPECT_EQ(code(at(seconds(1'000)), std::numeric_limits<std::int64_t>::max()), hotp(0));
}

TEST(TotpCodeTest, RejectsPeriodsBelowOneAndDatesBeforeTheEpoch) {
    const RFC6238TotpGenerator generator;
    const auto totp = [&](std::int64_t period, TimePoint date) {
        return [&generator, period, date] { generator.totpCode(sha1Seed, OtpAlgorithm::sha1, 6, period, date); };
    };
    expectInvalidSecret(totp(0, at(seconds(59))), "period 0");
    expectInvalidSecret(totp(-30, at(seconds(59))), "period -30");
    expectInvalidSecret(totp(30, TimePoint(milliseconds(-1))), "1 ms before the epoch");
    expectInvalidSecret(totp(30, TimePoint::min()), "earliest time point");
    expectInvalidSecret([&] { generator.totpCode(sha1Seed, OtpAlgorithm::sha1, 9, 30, at(seconds(59))); }, "digits 9");
}

struct RemainingCase {
    std::int64_t period;
    TimePoint date;
    int expected;
};

class SecondsRemainingTest : public testing::TestWithParam<RemainingCase> {};

TEST_P(SecondsRemainingTest, CountsDownFromThePeriodToOne) {
    EXPECT_EQ(RFC6238TotpGenerator().secondsRemaining(GetParam().period, GetParam().date), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SecondsRemainingTest,
    testing::Values(RemainingCase{30, at(seconds(59)), 1}, RemainingCase{30, at(seconds(60)), 30},
                    RemainingCase{30, at(seconds(0)), 30}, RemainingCase{30, TimePoint(milliseconds(29'999)), 1},
                    RemainingCase{30, at(seconds(1111111109)), 1}, RemainingCase{1, at(seconds(12345)), 1},
                    RemainingCase{0, at(seconds(59)), 0}, RemainingCase{-30, at(seconds(59)), 0},
                    RemainingCase{30, at(seconds(-1)), 1}, RemainingCase{30, at(seconds(-30)), 30},
                    RemainingCase{std::int64_t{1} << 40, at(seconds(5)), std::numeric_limits<int>::max()}));

}  // namespace
}  // namespace quorbit
