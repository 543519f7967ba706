#include "domain/JsonObjectReader.h"

#include <limits>

#include "domain/Iso8601Date.h"

namespace quorbit {
namespace {

using nlohmann::json;

std::string quoted(std::string_view key) { return "\"" + std::string(key) + "\""; }

[[noreturn]] void throwWrongType(const json& object, std::string_view key, const char* expected) {
    throw json::type_error::create(302, "member " + quoted(key) + " must be " + expected, &object);
}

}  // namespace

JsonObjectReader::JsonObjectReader(const json& object) : object_(&object) {
    if (!object.is_object()) {
        throw json::type_error::create(302, std::string("expected an object, found ") + object.type_name(), &object);
    }
}

bool JsonObjectReader::has(std::string_view key) const { return optionalMember(key) != nullptr; }

const json& JsonObjectReader::member(std::string_view key) const {
    const auto found = object_->find(key);
    if (found == object_->end()) {
        throw json::out_of_range::create(403, "key " + quoted(key) + " not found", object_);
    }
    return *found;
}

const json* JsonObjectReader::optionalMember(std::string_view key) const {
    const auto found = object_->find(key);
    if (found == object_->end() || found->is_null()) return nullptr;
    return &*found;
}

std::string JsonObjectReader::string(std::string_view key) const {
    const json& value = member(key);
    if (!value.is_string()) throwWrongType(*object_, key, "a string");
    return value.get<std::string>();
}

std::optional<std::string> JsonObjectReader::optionalString(std::string_view key) const {
    if (!has(key)) return std::nullopt;
    return string(key);
}

std::int64_t JsonObjectReader::int64(std::string_view key) const {
    const json& value = member(key);
    if (value.is_number_integer() && !value.is_number_unsigned()) return value.get<std::int64_t>();
    if (value.is_number_unsigned() &&
        value.get<std::uint64_t>() <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        return static_cast<std::int64_t>(value.get<std::uint64_t>());
    }
    throwWrongType(*object_, key, "a signed 64-bit integer");
}

std::optional<std::int64_t> JsonObjectReader::optionalInt64(std::string_view key) const {
    if (!has(key)) return std::nullopt;
    return int64(key);
}

bool JsonObjectReader::boolean(std::string_view key) const {
    const json& value = member(key);
    if (!value.is_boolean()) throwWrongType(*object_, key, "a boolean");
    return value.get<bool>();
}

std::optional<bool> JsonObjectReader::optionalBoolean(std::string_view key) const {
    if (!has(key)) return std::nullopt;
    return boolean(key);
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
    const json& value = member(key);
    if (!value.is_array()) throwWrongType(*object_, key, "an array of strings");
    std::vector<std::string> result;
    result.reserve(value.size());
    for (const json& element : value) {
        if (!element.is_string()) throwWrongType(*object_, key, "an array of strings");
        result.push_back(element.get<std::string>());
    }
    return result;
}

std::optional<std::vector<std::string>> JsonObjectReader::optionalStringList(std::string_view key) const {
    if (!has(key)) return std::nullopt;
    return stringList(key);
}

JsonObjectReader JsonObjectReader::object(std::string_view key) const {
    const json& value = member(key);
    if (!value.is_object()) throwWrongType(*object_, key, "an object");
    return JsonObjectReader(value);
}

void JsonObjectReader::throwInvalidValue(std::string_view key) const {
    throw json::type_error::create(302, "member " + quoted(key) + " has an unrecognised value", object_);
}

}  // namespace quorbit
