#pragma once

#include <nlohmann/json_fwd.hpp>

#include "domain/AccountFilterSelection.h"

namespace quorbit {

class JsonValue;

// Keyed object with exactly one case key: {"all":{}}, {"tag":{"_0":"Work"}}. Anything else
// throws JsonTypeError.
void to_json(nlohmann::json& json, const AccountFilterSelection& filter);
void readJson(const JsonValue& json, AccountFilterSelection& filter);

}  // namespace quorbit
