#pragma once

#include <nlohmann/json_fwd.hpp>

#include "domain/BackupPayload.h"

namespace quorbit {

class JsonValue;

void to_json(nlohmann::json& json, const BackupPayload& payload);
void readJson(const JsonValue& json, BackupPayload& payload);

}  // namespace quorbit
