#pragma once

#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "domain/BackupAccount.h"
#include "domain/TimePoint.h"

namespace quorbit {

class JsonValue;

// The sealed content of an encrypted backup.
struct BackupPayload {
    TimePoint exportedAt;
    std::vector<BackupAccount> accounts;

    bool operator==(const BackupPayload&) const = default;
};

void to_json(nlohmann::json& json, const BackupPayload& payload);
void readJson(const JsonValue& json, BackupPayload& payload);

}  // namespace quorbit
