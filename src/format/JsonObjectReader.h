#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "domain/SecretBytes.h"
#include "domain/TimePoint.h"
#include "domain/Uuid.h"
#include "format/JsonReader.h"
#include "format/JsonValue.h"

namespace quorbit {

// Strict, typed access to the members of one JSON object, for record decoders. The reader
// refers to the object's document, which must outlive it. Where a key repeats, the last
// value counts.
//
// Failures throw JsonError types, so one `catch (const JsonError&)` covers both a text that
// does not parse and a record that does not decode:
//   - JsonMissingKeyError: a required key is missing;
//   - JsonTypeError: the value has the wrong JSON type (null included, for required keys),
//     or a string that is not a valid date, UUID or enumeration value.
// Messages name the key, never the value, since values may be secrets.
// The optional getters treat a null value exactly like an absent key.
class JsonObjectReader {
public:
    explicit JsonObjectReader(const JsonValue& object);  // JsonTypeError unless an object

    bool has(std::string_view key) const;       // present and not null
    bool contains(std::string_view key) const;  // present, null included

    std::string string(std::string_view key) const;
    std::string_view text(std::string_view key) const;  // string() without a copy, valid with the document
    std::optional<std::string> optionalString(std::string_view key) const;
    SecretBytes secret(std::string_view key) const;  // a string member that holds a secret

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

    // The raw member, for values decoded by their own readJson.
    JsonValue member(std::string_view key) const;
    std::optional<JsonValue> optionalMember(std::string_view key) const;  // none when absent or null

    // A member decoded by the readJson overload for T.
    template <typename T>
    T decoded(std::string_view key) const {
        T value{};
        readJson(member(key), value);
        return value;
    }

    // A string turned into a value by `fromRaw` (returning std::optional), e.g. an
    // enumeration's raw value; a string it does not recognise fails.
    template <typename FromRaw>
    auto parsed(std::string_view key, FromRaw fromRaw) const {
        return parsedText(key, text(key), fromRaw);
    }
    template <typename FromRaw>
    auto optionalParsed(std::string_view key, FromRaw fromRaw) const
        -> std::optional<typename decltype(fromRaw(std::string_view{}))::value_type> {
        const auto value = optionalMember(key);
        if (!value) return std::nullopt;
        return parsedText(key, textOf(key, *value), fromRaw);
    }

private:
    // The typed reads of one member's value; `key` names it in a failure.
    static std::string_view textOf(std::string_view key, const JsonValue& value);
    static std::int64_t int64Of(std::string_view key, const JsonValue& value);
    static bool booleanOf(std::string_view key, const JsonValue& value);
    static std::vector<std::string> stringListOf(std::string_view key, const JsonValue& value);

    template <typename FromRaw>
    auto parsedText(std::string_view key, std::string_view text, FromRaw fromRaw) const {
        auto value = fromRaw(text);
        if (!value) throwInvalidValue(key);
        return *value;
    }
    [[noreturn]] void throwInvalidValue(std::string_view key) const;
    const JsonValue* find(std::string_view key) const;

    // A record's members fit in place; a larger object takes them to the heap. Stores read
    // tens of thousands of records, and the heap would be most of the cost of reading one.
    using Member = std::pair<std::string_view, JsonValue>;
    static constexpr std::size_t membersInPlace = 24;
    std::span<const Member> members() const {
        return spilled_.empty() ? std::span<const Member>(inPlace_.data(), count_) : std::span<const Member>(spilled_);
    }

    std::array<Member, membersInPlace> inPlace_;
    std::size_t count_ = 0;
    std::vector<Member> spilled_;
};

}  // namespace quorbit
