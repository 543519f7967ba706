#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "application/ports/SecretStore.h"
#include "domain/OtpAccount.h"

namespace quorbit {

// The audit's only reach into the secrets: each lookup loads the account's secret afresh.
// A secret that cannot be loaded fails with the store's error, so that the audit never
// reports an account as clean without having read its secret.
class SecretFingerprintProvider {
public:
    using Fingerprint = std::array<std::uint8_t, 32>;  // SHA-256 of the secret's bytes

    explicit SecretFingerprintProvider(SecretStore& secretStore);

    Fingerprint fingerprint(const OtpAccount& account) const;
    std::size_t secretLength(const OtpAccount& account) const;

private:
    SecretStore& secretStore_;
};

}  // namespace quorbit
