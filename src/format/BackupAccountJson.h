#pragma once

#include <nlohmann/json_fwd.hpp>

#include "domain/BackupAccount.h"

namespace quorbit {

class JsonValue;

// The document form copies the secret into plain strings; backups are sealed from the text
// BackupPayloadWriter writes and opened with JsonReader::decodeSecret instead.
void to_json(nlohmann::json& json, const BackupAccount& account);
void readJson(const JsonValue& json, BackupAccount& account);

}  // namespace quorbit
