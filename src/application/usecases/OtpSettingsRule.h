#pragma once

#include <cstdint>

#include "domain/OtpType.h"

namespace quorbit {

// The OTP settings that can produce codes: 6 to 8 digits, and a period of at least one second
// for time-based accounts. Every way an account comes in or is edited checks the same rule.
class OtpSettingsRule {
public:
    OtpSettingsRule() = delete;

    static bool isUsable(OtpType type, std::int64_t digits, std::int64_t period);
};

}  // namespace quorbit
