#pragma once

#include "domain/OtpAlgorithm.h"
#include "domain/SecretBytes.h"
#include "domain/TimePoint.h"
#include "lib/PreparedOtpKey.h"

#include <cstdint>
#include <string>

namespace quorbit {

// One-time codes: HOTP (RFC 4226) and TOTP (RFC 6238). The code functions throw QuorbitError
// invalidSecret for unusable material. A key prepared once gives the same codes as its secret,
// without the key setup at every code.
class TotpGenerating {
public:
    virtual ~TotpGenerating() = default;
    virtual std::string hotpCode(const SecretBytes& secret, OtpAlgorithm algorithm, int digits,
                                 std::int64_t counter) const = 0;
    virtual std::string totpCode(const SecretBytes& secret, OtpAlgorithm algorithm, int digits, std::int64_t period,
                                 TimePoint date) const = 0;
    virtual PreparedOtpKey prepareKey(const SecretBytes& secret, OtpAlgorithm algorithm) const = 0;
    virtual std::string hotpCode(const PreparedOtpKey& key, int digits, std::int64_t counter) const = 0;
    virtual std::string totpCode(const PreparedOtpKey& key, int digits, std::int64_t period, TimePoint date) const = 0;
    virtual int secondsRemaining(std::int64_t period, TimePoint date) const = 0;
};

}  // namespace quorbit
