#include "format/JsonObjectReader.h"

#include <algorithm>

#include "domain/Iso8601Date.h"
#include "format/JsonMissingKeyError.h"
#include "format/JsonTypeError.h"

namespace quorbit {
namespace {

std::string quoted(std::string_view key) { return "\"" + std::string(key) + "\""; }

[[noreturn]] void throwWrongType(std::string_view key, const char* expected) {
    throw JsonTypeError("member " + quoted(key) + " must be " + expected);
}

}  // namespace

JsonObjectReader::JsonObjectReader(const JsonValue& object) {
    if (!object.isObject()) throwUnexpectedType("an object", object);
    const bool inPlace = object.size() <= membersInPlace;
    if (!inPlace) spilled_.reserve(object.size());
    object.forEachMember([&](std::string_view key, const JsonValue& value) {
        if (inPlace) {
            inPlace_[count_++] = {key, value};
        } else {
            spilled_.emplace_back(key, value);
        }
    });
}

// Searched from the end, so that a repeated key gives its last value. Keys of one length mostly
// differ in their first letter, which spares comparing the rest.
const JsonValue* JsonObjectReader::find(std::string_view key) const {
    const auto all = members();
    const auto found = std::find_if(all.rbegin(), all.rend(), [&](const Member& member) {
        return member.first.size() == key.size() && (key.empty() || member.first[0] == key[0]) && member.first == key;
    });
    return found == all.rend() ? nullptr : &found->second;
}

bool JsonObjectReader::has(std::string_view key) const { return optionalMember(key).has_value(); }

bool JsonObjectReader::contains(std::string_view key) const { return find(key) != nullptr; }

JsonValue JsonObjectReader::member(std::string_view key) const {
    const JsonValue* found = find(key);
    if (found == nullptr) throw JsonMissingKeyError(key);
    return *found;
}

std::optional<JsonValue> JsonObjectReader::optionalMember(std::string_view key) const {
    const JsonValue* found = find(key);
    if (found == nullptr || found->isNull()) return std::nullopt;
    return *found;
}

std::string_view JsonObjectReader::textOf(std::string_view key, const JsonValue& value) {
    const auto text = value.string();
    if (!text) throwWrongType(key, "a string");
    return *text;
}

std::int64_t JsonObjectReader::int64Of(std::string_view key, const JsonValue& value) {
    const auto number = value.integer();
    if (!number) throwWrongType(key, "a signed 64-bit integer");
    return *number;
}

bool JsonObjectReader::booleanOf(std::string_view key, const JsonValue& value) {
    const auto flag = value.boolean();
    if (!flag) throwWrongType(key, "a boolean");
    return *flag;
}

std::vector<std::string> JsonObjectReader::stringListOf(std::string_view key, const JsonValue& value) {
    if (!value.isArray()) throwWrongType(key, "an array of strings");
    std::vector<std::string> result;
    result.reserve(value.size());
    value.forEachElement([&](const JsonValue& element) {
        const auto text = element.string();
        if (!text) throwWrongType(key, "an array of strings");
        result.emplace_back(*text);
    });
    return result;
}

std::string_view JsonObjectReader::text(std::string_view key) const { return textOf(key, member(key)); }

std::string JsonObjectReader::string(std::string_view key) const { return std::string(text(key)); }

SecretBytes JsonObjectReader::secret(std::string_view key) const { return SecretBytes::fromText(text(key)); }

std::optional<std::string> JsonObjectReader::optionalString(std::string_view key) const {
    const auto value = optionalMember(key);
    if (!value) return std::nullopt;
    return std::string(textOf(key, *value));
}

std::int64_t JsonObjectReader::int64(std::string_view key) const { return int64Of(key, member(key)); }

std::optional<std::int64_t> JsonObjectReader::optionalInt64(std::string_view key) const {
    const auto value = optionalMember(key);
    if (!value) return std::nullopt;
    return int64Of(key, *value);
}

bool JsonObjectReader::boolean(std::string_view key) const { return booleanOf(key, member(key)); }

std::optional<bool> JsonObjectReader::optionalBoolean(std::string_view key) const {
    const auto value = optionalMember(key);
    if (!value) return std::nullopt;
    return booleanOf(key, *value);
}

TimePoint JsonObjectReader::date(std::string_view key) const { return parsed(key, Iso8601Date::parse); }

std::optional<TimePoint> JsonObjectReader::optionalDate(std::string_view key) const {
    return optionalParsed(key, Iso8601Date::parse);
}

Uuid JsonObjectReader::uuid(std::string_view key) const { return parsed(key, Uuid::parse); }

std::optional<Uuid> JsonObjectReader::optionalUuid(std::string_view key) const {
    return optionalParsed(key, Uuid::parse);
}

std::vector<std::string> JsonObjectReader::stringList(std::string_view key) const {
    return stringListOf(key, member(key));
}

std::optional<std::vector<std::string>> JsonObjectReader::optionalStringList(std::string_view key) const {
    const auto value = optionalMember(key);
    if (!value) return std::nullopt;
    return stringListOf(key, *value);
}

JsonObjectReader JsonObjectReader::object(std::string_view key) const {
    const JsonValue value = member(key);
    if (!value.isObject()) throwWrongType(key, "an object");
    return JsonObjectReader(value);
}

void JsonObjectReader::throwInvalidValue(std::string_view key) const {
    throw JsonTypeError("member " + quoted(key) + " has an unrecognised value");
}

}  // namespace quorbit
