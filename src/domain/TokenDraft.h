#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "domain/OtpAlgorithm.h"
#include "domain/OtpType.h"
#include "domain/SecretBytes.h"

namespace quorbit {

// The fields of an account that is not saved yet; the secret is Base32 text in a wiping buffer.
struct TokenDraft {
    std::string issuer;
    std::string accountName;
    SecretBytes secretBase32;
    OtpType type = OtpType::totp;
    OtpAlgorithm algorithm = OtpAlgorithm::sha1;
    int digits = 6;
    int period = 30;
    std::int64_t hotpCounter = 0;
    std::vector<std::string> tags;

    bool operator==(const TokenDraft&) const = default;
};

}  // namespace quorbit
