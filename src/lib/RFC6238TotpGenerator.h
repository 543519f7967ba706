#pragma once

#include "lib/TotpGenerating.h"

namespace quorbit {

// Stateless HOTP/TOTP generator. Dates before the Unix epoch are not supported: their codes
// fail with invalidSecret.
class RFC6238TotpGenerator final : public TotpGenerating {
public:
    std::string hotpCode(const SecretBytes& secret, OtpAlgorithm algorithm, int digits,
                         std::int64_t counter) const override;
    std::string totpCode(const SecretBytes& secret, OtpAlgorithm algorithm, int digits, std::int64_t period,
                         TimePoint date) const override;
    PreparedOtpKey prepareKey(const SecretBytes& secret, OtpAlgorithm algorithm) const override;
    std::string hotpCode(const PreparedOtpKey& key, int digits, std::int64_t counter) const override;
    std::string totpCode(const PreparedOtpKey& key, int digits, std::int64_t period, TimePoint date) const override;
    // Seconds until the current period ends: 1 to `period` (capped to int), 0 for a period below 1.
    int secondsRemaining(std::int64_t period, TimePoint date) const override;
};

}  // namespace quorbit
