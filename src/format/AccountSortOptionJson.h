#pragma once

#include <nlohmann/json_fwd.hpp>

#include "domain/AccountSortOption.h"

namespace quorbit {

class JsonValue;

// A text that is no raw value throws JsonTypeError.
void to_json(nlohmann::json& json, AccountSortOption option);
void readJson(const JsonValue& json, AccountSortOption& option);

}  // namespace quorbit
