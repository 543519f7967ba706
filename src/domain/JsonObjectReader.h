#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "domain/TimePoint.h"
#include "domain/Uuid.h"

namespace quorbit {

// Strict, typed access to the members of one JSON object, for record decoders. The reader
// refers to the object, which must outlive it.
//
// Failures throw nlohmann's own exceptions, so one `catch (const nlohmann::json::exception&)`
// covers both a text that does not parse and a record that does not decode:
//   - out_of_range (403): a required key is missing;
//   - type_error (302): the value has the wrong JSON type (null included, for required keys),
//     or a string that is not a valid date, UUID or enumeration value.
// Messages name the key, never the value, since values may be secrets.
// The optional getters treat a null value exactly like an absent key.
class JsonObjectReader {
public:
    explicit JsonObjectReader(const nlohmann::json& object);  // type_error unless an object

    bool has(std::string_view key) const;  // present and not null

    std::string string(std::string_view key) const;
    std::optional<std::string> optionalString(std::string_view key) const;

    // Integers only: a number with a fraction, or one beyond the signed 64-bit range, fails.
    std::int64_t int64(std::string_view key) const;
    std::optional<std::int64_t> optionalInt64(std::string_view key) const;

    bool boolean(std::string_view key) const;
    std::optional<bool> optionalBoolean(std::string_view key) const;

    TimePoint date(std::string_view key) const;  // ISO 8601 text, see Iso8601Date
    std::optional<TimePoint> optionalDate(std::string_view key) const;

    Uuid uuid(std::string_view key) const;  // hyphenated text, either letter case
    std::optional<Uuid> optionalUuid(std::string_view key) const;

    std::vector<std::string> stringList(std::string_view key) const;
    std::optional<std::vector<std::string>> optionalStringList(std::string_view key) const;

    JsonObjectReader object(std::string_view key) const;

    // The raw member, for values decoded by their own from_json.
    const nlohmann::json& member(std::string_view key) const;
    const nlohmann::json* optionalMember(std::string_view key) const;  // null when absent or null

    // A string turned into a value by `fromRaw` (returning std::optional), e.g. an
    // enumeration's raw value; a string it does not recognise fails.
    template <typename FromRaw>
    auto parsed(std::string_view key, FromRaw fromRaw) const {
        return parsedString(key, string(key), fromRaw);
    }
    template <typename FromRaw>
    auto optionalParsed(std::string_view key, FromRaw fromRaw) const
        -> std::optional<typename decltype(fromRaw(std::string_view{}))::value_type> {
        const auto text = optionalString(key);
        if (!text) return std::nullopt;
        return parsedString(key, *text, fromRaw);
    }

private:
    template <typename FromRaw>
    auto parsedString(std::string_view key, const std::string& text, FromRaw fromRaw) const {
        auto value = fromRaw(std::string_view(text));
        if (!value) throwInvalidValue(key);
        return *value;
    }
    [[noreturn]] void throwInvalidValue(std::string_view key) const;

    const nlohmann::json* object_;
};

}  // namespace quorbit
