#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "domain/OtpAlgorithm.h"
#include "domain/OtpSecretRef.h"
#include "domain/OtpType.h"
#include "domain/TimePoint.h"
#include "domain/Uuid.h"

namespace quorbit {

// One account's metadata. Never holds the secret itself.
struct OtpAccount {
    Uuid id;
    std::string issuer;
    std::string accountName;
    OtpSecretRef secretRef;
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

    bool isTrashed() const { return trashedAt.has_value(); }
    // How logs and findings name the account: the issuer, or the account name when the issuer is empty.
    const std::string& label() const { return issuer.empty() ? accountName : issuer; }
    bool operator==(const OtpAccount&) const = default;
};

}  // namespace quorbit
