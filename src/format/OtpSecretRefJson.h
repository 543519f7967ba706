#pragma once

#include <nlohmann/json_fwd.hpp>

#include "domain/OtpSecretRef.h"

namespace quorbit {

class JsonValue;

// JSON form: {"rawValue": "<text>"}.
void to_json(nlohmann::json& json, const OtpSecretRef& ref);
void readJson(const JsonValue& json, OtpSecretRef& ref);

}  // namespace quorbit
