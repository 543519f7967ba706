#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "domain/OtpAlgorithm.h"
#include "domain/OtpType.h"

namespace quorbit {

// The edited OTP settings and tags of one existing account. The numbers are as wide as the
// account's, so a stored value the editor did not change is written back as it was.
struct OtpSettingsDraft {
    OtpType type = OtpType::totp;
    OtpAlgorithm algorithm = OtpAlgorithm::sha1;
    std::int64_t digits = 6;
    std::int64_t period = 30;
    std::int64_t hotpCounter = 0;
    std::vector<std::string> tags;

    bool operator==(const OtpSettingsDraft&) const = default;
};

}  // namespace quorbit
