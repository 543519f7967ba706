#pragma once

#include <nlohmann/json_fwd.hpp>

#include "domain/BackupEnvelopeForInfo.h"

namespace quorbit {

class JsonValue;

void to_json(nlohmann::json& json, const BackupEnvelopeForInfo& envelope);
void readJson(const JsonValue& json, BackupEnvelopeForInfo& envelope);

}  // namespace quorbit
