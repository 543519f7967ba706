#include "format/BackupDate.h"

#include "domain/Iso8601Date.h"
#include "format/JsonObjectReader.h"

namespace quorbit {

std::optional<TimePoint> BackupDate::parse(std::string_view text) {
    if (text.size() != 20 || text[10] != 'T' || text.back() != 'Z') return std::nullopt;
    return Iso8601Date::parse(text);
}

TimePoint BackupDate::read(const JsonObjectReader& object, const char* key) {
    return object.parsed(key, &BackupDate::parse);
}

std::optional<TimePoint> BackupDate::readOptional(const JsonObjectReader& object, const char* key) {
    return object.optionalParsed(key, &BackupDate::parse);
}

}  // namespace quorbit
