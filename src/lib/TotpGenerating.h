#pragma once

#include "domain/OtpAlgorithm.h"
#include "domain/SecretBytes.h"
#include "domain/TimePoint.h"

#include <cstdint>
#include <string>

namespace quorbit {

// One-time codes: HOTP (RFC 4226) and TOTP (RFC 6238). The code functions throw QuorbitError
// invalidSecret for unusable material.
class TotpGenerating {
public:
    virtual ~TotpGenerating() = default;
    virtual std::string hotpCode(const SecretBytes& secret, OtpAlgorithm algorithm, int digits,
                                 std::int64_t counter) const = 0;
    virtual std::string totpCode(const SecretBytes& secret, OtpAlgorithm algorithm, int digits, std::int64_t period,
                                 TimePoint date) const = 0;
    virtual int secondsRemaining(std::int64_t period, TimePoint date) const = 0;
};

}  // namespace quorbit
