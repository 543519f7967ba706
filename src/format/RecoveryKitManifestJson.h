#pragma once

#include <nlohmann/json_fwd.hpp>

#include "domain/RecoveryKitManifest.h"

namespace quorbit {

class JsonValue;

// createdAt is a floating-point number of seconds since 2001-01-01T00:00:00Z, unlike every
// other date we write. Decoding requires all three keys.
void to_json(nlohmann::json& json, const RecoveryKitManifest& manifest);
void readJson(const JsonValue& json, RecoveryKitManifest& manifest);

}  // namespace quorbit
