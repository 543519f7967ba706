#pragma once

#include "domain/OtpAlgorithm.h"
#include "domain/SecretBytes.h"
#include "lib/Hmac.h"

#include <memory>

namespace quorbit {

// An account's secret made ready for its codes: the HMAC key states of its algorithm, computed
// once and kept while the vault is unlocked, so that a code costs only its own compressions.
// Move-only; the states are wiped when the key is dropped.
class PreparedOtpKey {
public:
    // Throws QuorbitError invalidSecret for an empty secret or an unknown algorithm.
    PreparedOtpKey(const SecretBytes& secret, OtpAlgorithm algorithm);

    OtpAlgorithm algorithm() const noexcept { return algorithm_; }
    const Hmac& hmac() const noexcept { return *hmac_; }

private:
    OtpAlgorithm algorithm_;
    std::unique_ptr<const Hmac> hmac_;
};

}  // namespace quorbit
