#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "domain/OtpAlgorithm.h"
#include "domain/OtpType.h"
#include "domain/SecretBytes.h"
#include "domain/TimePoint.h"
#include "domain/Uuid.h"

namespace quorbit {

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

}  // namespace quorbit
