#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "domain/OtpAlgorithm.h"
#include "domain/OtpType.h"
#include "domain/SecretBytes.h"
#include "domain/TimePoint.h"
#include "domain/Uuid.h"

namespace quorbit {

class JsonValue;

// One account inside a backup payload: the account's fields with its secret as Base32 text.
struct BackupAccount {
    Uuid id;
    std::string issuer;
    std::string accountName;
    SecretBytes secretBase32;
    OtpType type = OtpType::totp;
    OtpAlgorithm algorithm = OtpAlgorithm::sha1;
    std::int64_t digits = 6;
    std::int64_t period = 30;
    std::int64_t hotpCounter = 0;
    TimePoint createdAt;
    TimePoint updatedAt;
    std::optional<TimePoint> lastUsedAt;
    bool isFavorite = false;
    std::optional<TimePoint> trashedAt;
    std::vector<std::string> tags;

    bool operator==(const BackupAccount&) const = default;
};

// The document form copies the secret into plain strings; backups are sealed from the text
// BackupPayloadWriter writes and opened with JsonReader::decodeSecret instead.
void to_json(nlohmann::json& json, const BackupAccount& account);
void readJson(const JsonValue& json, BackupAccount& account);

}  // namespace quorbit
