#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "application/ports/SecretStore.h"
#include "domain/OtpAccount.h"

namespace quorbit {

// The audit's only reach into the secrets: each lookup loads the account's secret afresh.
// A secret that cannot be loaded, whatever the reason, gives nothing: the audit leaves that
// account out of its secret checks and goes on with the others.
class SecretFingerprintProvider {
public:
    using Fingerprint = std::array<std::uint8_t, 32>;  // SHA-256 of the secret's bytes

    explicit SecretFingerprintProvider(SecretStore& secretStore);

    std::optional<Fingerprint> fingerprint(const OtpAccount& account) const;
    std::optional<std::size_t> secretLength(const OtpAccount& account) const;

private:
    std::optional<SecretBytes> load(const OtpAccount& account) const;

    SecretStore& secretStore_;
};

}  // namespace quorbit
