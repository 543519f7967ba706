#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "domain/OtpAlgorithm.h"
#include "domain/OtpType.h"
#include "domain/SecretBytes.h"

namespace quorbit {

// One account decoded from an authenticator migration payload.
struct GoogleAuthAccount {
    SecretBytes secret;
    std::string name;
    std::string issuer;
    OtpAlgorithm algorithm = OtpAlgorithm::sha1;
    int digits = 6;
    OtpType type = OtpType::totp;
    std::optional<std::int64_t> counter;  // set only when the payload carried one

    bool isValidForImport() const { return !secret.empty() && digits >= 6 && digits <= 8; }
    bool operator==(const GoogleAuthAccount&) const = default;
};

}  // namespace quorbit
