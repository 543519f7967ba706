#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "domain/TimePoint.h"

namespace quorbit {

// ISO 8601 date-times in UTC, independent of the process time zone.
class Iso8601Date {
public:
    Iso8601Date() = delete;

    // "2026-01-02T03:04:05Z": whole seconds (rounded down), UTC.
    static std::string format(TimePoint time);

    // Reads "YYYY-MM-DDTHH:MM:SS", optional fractional seconds, then "Z" or an offset
    // "+hh:mm" / "-hh:mm" / "+hhmm". Anything else, or an impossible date, gives no value.
    static std::optional<TimePoint> parse(std::string_view text);
};

}  // namespace quorbit
