#pragma once

#include <nlohmann/json_fwd.hpp>

#include "domain/OtpAccount.h"

namespace quorbit {

class JsonValue;

// JSON object form with ISO 8601 dates. Decoding trims issuer and account name, normalises
// the tags and fails (JsonError) on a missing required key or a wrong type.
void to_json(nlohmann::json& json, const OtpAccount& account);
void readJson(const JsonValue& json, OtpAccount& account);

}  // namespace quorbit
