#pragma once

#include <optional>
#include <string_view>

#include "domain/TimePoint.h"

namespace quorbit {

class JsonObjectReader;

// Dates inside backups are exactly "YYYY-MM-DDTHH:MM:SSZ": whole seconds in UTC. Any other
// form, fractional seconds included, does not decode.
class BackupDate {
public:
    BackupDate() = delete;

    static std::optional<TimePoint> parse(std::string_view text);
    // Reads a required (or, when absent or null, missing) date member; a malformed one fails.
    static TimePoint read(const JsonObjectReader& object, const char* key);
    static std::optional<TimePoint> readOptional(const JsonObjectReader& object, const char* key);
};

}  // namespace quorbit
