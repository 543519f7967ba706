#include "domain/Iso8601Date.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace quorbit {
namespace {

using namespace std::chrono;

TimePoint utc(int y, unsigned m, unsigned d, int hh, int mm, int ss) {
    return sys_days(year(y) / month(m) / day(d)) + hours(hh) + minutes(mm) + seconds(ss);
}

TEST(Iso8601DateFormat, WritesWholeSecondsInUtcWithZ) {
    EXPECT_EQ(Iso8601Date::format(utc(2026, 1, 2, 3, 4, 5)), "2026-01-02T03:04:05Z");
    EXPECT_EQ(Iso8601Date::format(TimePoint{}), "1970-01-01T00:00:00Z");
    EXPECT_EQ(Iso8601Date::format(utc(2024, 2, 29, 23, 59, 59) + milliseconds(999)), "2024-02-29T23:59:59Z");
    EXPECT_EQ(Iso8601Date::format(TimePoint{} - milliseconds(1)), "1969-12-31T23:59:59Z");  // rounds down
}

struct ParseCase {
    std::string text;
    std::optional<TimePoint> expected;
};

class Iso8601DateParse : public testing::TestWithParam<ParseCase> {};

TEST_P(Iso8601DateParse, ReadsTheWrittenFormAndCommonVariants) {
    EXPECT_EQ(Iso8601Date::parse(GetParam().text), GetParam().expected) << GetParam().text;
}

const TimePoint sample = utc(2026, 1, 2, 3, 4, 5);

INSTANTIATE_TEST_SUITE_P(Accepted, Iso8601DateParse,
                         testing::Values(ParseCase{"2026-01-02T03:04:05Z", sample},
                                         ParseCase{"2026-01-02t03:04:05z", sample},
                                         ParseCase{"2026-01-02T03:04:05.250Z", sample + milliseconds(250)},
                                         ParseCase{"2026-01-02T03:04:05.1234567891Z", sample + nanoseconds(123456789)},
                                         ParseCase{"2026-01-02T05:04:05+02:00", sample},
                                         ParseCase{"2026-01-01T22:34:05-04:30", sample},
                                         ParseCase{"2026-01-02T03:04:05+0000", sample},
                                         ParseCase{"2026-01-02T03:04:05.5-00:00", sample + milliseconds(500)},
                                         ParseCase{"2024-02-29T00:00:00Z", utc(2024, 2, 29, 0, 0, 0)}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, Iso8601DateParse,
    testing::Values(ParseCase{"", std::nullopt}, ParseCase{"2026-01-02", std::nullopt},
                    ParseCase{"2026-01-02T03:04:05", std::nullopt},  // no zone: ambiguous
                    ParseCase{"2026-01-02 03:04:05Z", std::nullopt}, ParseCase{"2026-1-02T03:04:05Z", std::nullopt},
                    ParseCase{"2026-02-30T03:04:05Z", std::nullopt}, ParseCase{"2025-02-29T03:04:05Z", std::nullopt},
                    ParseCase{"2026-13-01T03:04:05Z", std::nullopt}, ParseCase{"2026-01-02T24:00:00Z", std::nullopt},
                    ParseCase{"2026-01-02T03:60:05Z", std::nullopt}, ParseCase{"2026-01-02T03:04:60Z", std::nullopt},
                    ParseCase{"2026-01-02T03:04:05.Z", std::nullopt}, ParseCase{"2026-01-02T03:04:05+2", std::nullopt},
                    ParseCase{"2026-01-02T03:04:05Z ", std::nullopt}, ParseCase{" 2026-01-02T03:04:05Z", std::nullopt},
                    ParseCase{"2026-01-02T03:04:05+02:60", std::nullopt}));

// A nanosecond time point spans 1677-09-21T00:12:43.145224192Z to 2262-04-11T23:47:16.854775807Z;
// dates outside it are refused instead of wrapping around.
TEST(Iso8601DateRange, RefusesDatesTheTimePointCannotHold) {
    const auto oldest = Iso8601Date::parse("1677-09-21T00:12:44Z");
    ASSERT_TRUE(oldest.has_value());
    EXPECT_EQ(Iso8601Date::format(*oldest), "1677-09-21T00:12:44Z");
    const auto latest = Iso8601Date::parse("2262-04-11T23:47:16.854Z");
    ASSERT_TRUE(latest.has_value());
    EXPECT_EQ(Iso8601Date::format(*latest), "2262-04-11T23:47:16Z");
    EXPECT_EQ(Iso8601Date::parse("2262-04-11T23:47:16.86Z"), std::nullopt);  // the fraction is one step too far
    for (const char* text : {"1677-09-21T00:12:43Z", "2262-04-11T23:47:17Z", "9999-12-31T23:59:59Z",
                             "0000-01-01T00:00:00Z", "2262-04-11T23:47:16-00:01", "1677-09-21T00:12:44+00:01"}) {
        EXPECT_EQ(Iso8601Date::parse(text), std::nullopt) << text;
    }
}

TEST(Iso8601DateTimeZone, IgnoresTheProcessTimeZone) {
    const char* previous = std::getenv("TZ");
    const std::string saved = previous ? previous : "";
    setenv("TZ", "Asia/Kolkata", 1);
    tzset();
    const auto parsed = Iso8601Date::parse("2026-01-02T03:04:05Z");
    const auto formatted = Iso8601Date::format(sample);
    previous ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
    EXPECT_EQ(parsed, sample);
    EXPECT_EQ(formatted, "2026-01-02T03:04:05Z");
}

}  // namespace
}  // namespace quorbit
