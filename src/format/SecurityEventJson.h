#pragma once

#include <nlohmann/json_fwd.hpp>

#include "domain/SecurityEvent.h"

namespace quorbit {

class JsonValue;

// JSON object form. "accountId" and "accountLabel" are left out when absent and may be null;
// every other key is required. Failures throw JsonError.
void to_json(nlohmann::json& json, const SecurityEvent& event);
void readJson(const JsonValue& json, SecurityEvent& event);

}  // namespace quorbit
