#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "domain/OtpAlgorithm.h"
#include "domain/OtpType.h"

namespace quorbit {

// The edited OTP settings and tags of one existing account.
struct OtpSettingsDraft {
    OtpType type = OtpType::totp;
    OtpAlgorithm algorithm = OtpAlgorithm::sha1;
    int digits = 6;
    int period = 30;
    std::int64_t hotpCounter = 0;
    std::vector<std::string> tags;

    bool operator==(const OtpSettingsDraft&) const = default;
};

}  // namespace quorbit
