#include "domain/Iso8601Date.h"

namespace quorbit {
namespace {

using namespace std::chrono;

// A forward reader over the text; every read fails softly by returning no value.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ == text_.size(); }
    bool peek(char c) const { return !atEnd() && text_[position_] == c; }
    bool skip(char c) {
        if (!peek(c)) return false;
        ++position_;
        return true;
    }
    bool skipEither(char a, char b) { return skip(a) || skip(b); }
    bool peekDigit() const { return !atEnd() && text_[position_] >= '0' && text_[position_] <= '9'; }

    std::optional<int> digits(std::size_t count) {
        int value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (!peekDigit()) return std::nullopt;
            value = value * 10 + (text_[position_++] - '0');
        }
        return value;
    }

    // The digits after a decimal point, as nanoseconds; digits beyond nanoseconds are dropped.
    std::optional<nanoseconds> fraction() {
        if (!peekDigit()) return std::nullopt;
        std::int64_t value = 0;
        int scale = 0;
        while (peekDigit()) {
            const int digit = text_[position_++] - '0';
            if (scale < 9) {
                value = value * 10 + digit;
                ++scale;
            }
        }
        for (; scale < 9; ++scale) value *= 10;
        return nanoseconds(value);
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

std::optional<sys_days> readDate(Cursor& cursor) {
    const auto year = cursor.digits(4);
    if (!year || !cursor.skip('-')) return std::nullopt;
    const auto month = cursor.digits(2);
    if (!month || !cursor.skip('-')) return std::nullopt;
    const auto day = cursor.digits(2);
    if (!day) return std::nullopt;
    const year_month_day date{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
                              std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) return std::nullopt;
    return sys_days(date);
}

struct TimeOfDay {
    seconds wholeSeconds;
    nanoseconds fraction;
};

std::optional<TimeOfDay> readTimeOfDay(Cursor& cursor) {
    const auto hour = cursor.digits(2);
    if (!hour || *hour > 23 || !cursor.skip(':')) return std::nullopt;
    const auto minute = cursor.digits(2);
    if (!minute || *minute > 59 || !cursor.skip(':')) return std::nullopt;
    const auto second = cursor.digits(2);
    if (!second || *second > 59) return std::nullopt;
    TimeOfDay time{hours(*hour) + minutes(*minute) + seconds(*second), nanoseconds(0)};
    if (cursor.skipEither('.', ',')) {
        const auto fraction = cursor.fraction();
        if (!fraction) return std::nullopt;
        time.fraction = *fraction;
    }
    return time;
}

// The zone designator as the offset to subtract to get UTC.
std::optional<minutes> readOffset(Cursor& cursor) {
    if (cursor.skipEither('Z', 'z')) return minutes(0);
    int sign = 1;
    if (cursor.skip('-')) {
        sign = -1;
    } else if (!cursor.skip('+')) {
        return std::nullopt;
    }
    const auto hour = cursor.digits(2);
    if (!hour || *hour > 23) return std::nullopt;
    cursor.skip(':');
    const auto minute = cursor.digits(2);
    if (!minute || *minute > 59) return std::nullopt;
    return minutes(sign * (*hour * 60 + *minute));
}

// Whole seconds cannot overflow for four-digit years; the time point's range is checked before
// converting to its finer unit.
std::optional<TimePoint> representable(sys_seconds wholeSeconds, nanoseconds fraction) {
    const auto earliest = ceil<seconds>(TimePoint::min().time_since_epoch());
    const auto latest = floor<seconds>(TimePoint::max().time_since_epoch());
    const auto sinceEpoch = wholeSeconds.time_since_epoch();
    if (sinceEpoch < earliest || sinceEpoch > latest) return std::nullopt;
    const auto base = duration_cast<TimePoint::duration>(sinceEpoch);
    const auto finePart = duration_cast<TimePoint::duration>(fraction);
    // Below zero, less than a second more cannot pass the maximum.
    if (base > TimePoint::duration::zero() && finePart > TimePoint::max().time_since_epoch() - base)
        return std::nullopt;
    return TimePoint(base + finePart);
}

}  // namespace

// Filled by hand: backups and stores format thousands of dates, and snprintf is the costly part.
// A nanosecond time point only reaches the years 1677 to 2262, so four digits always suffice.
std::string Iso8601Date::format(TimePoint time) {
    const auto wholeSeconds = floor<seconds>(time);
    const auto day = floor<days>(wholeSeconds);
    const year_month_day date(day);
    const hh_mm_ss clock(wholeSeconds - day);
    std::string text = "0000-00-00T00:00:00Z";
    const auto put = [&text](std::size_t at, unsigned value, std::size_t width) {
        for (std::size_t i = width; i > 0; --i, value /= 10) text[at + i - 1] = static_cast<char>('0' + value % 10);
    };
    put(0, static_cast<unsigned>(static_cast<int>(date.year())), 4);
    put(5, static_cast<unsigned>(date.month()), 2);
    put(8, static_cast<unsigned>(date.day()), 2);
    put(11, static_cast<unsigned>(clock.hours().count()), 2);
    put(14, static_cast<unsigned>(clock.minutes().count()), 2);
    put(17, static_cast<unsigned>(clock.seconds().count()), 2);
    return text;
}

std::optional<TimePoint> Iso8601Date::parse(std::string_view text) {
    Cursor cursor(text);
    const auto date = readDate(cursor);
    if (!date || !cursor.skipEither('T', 't')) return std::nullopt;
    const auto timeOfDay = readTimeOfDay(cursor);
    if (!timeOfDay) return std::nullopt;
    const auto offset = readOffset(cursor);
    if (!offset || !cursor.atEnd()) return std::nullopt;
    return representable(sys_seconds(*date) + timeOfDay->wholeSeconds - *offset, timeOfDay->fraction);
}

}  // namespace quorbit
