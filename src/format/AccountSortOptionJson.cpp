#include "format/AccountSortOptionJson.h"

#include <nlohmann/json.hpp>

#include "format/JsonTypeError.h"
#include "format/JsonValue.h"

namespace quorbit {

void to_json(nlohmann::json& json, AccountSortOption option) { json = rawValue(option); }

void readJson(const JsonValue& json, AccountSortOption& option) {
    const auto text = json.string();
    const auto decoded = text ? accountSortOptionFromRawValue(*text) : std::nullopt;
    if (!decoded) throw JsonTypeError("not an account sort option");
    option = *decoded;
}

}  // namespace quorbit
