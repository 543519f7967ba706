#pragma once

#include <string>

#include "application/ports/Clock.h"
#include "application/ports/TokenRepository.h"
#include "domain/OtpSecretRef.h"
#include "domain/SecretBytes.h"
#include "domain/Uuid.h"
#include "lib/TotpGenerating.h"

namespace quorbit {

// Takes one account's current code for copying and records the use in one load-change-save:
// last use and update time become now, a HOTP counter moves to its next value.
class UseCurrentCode {
public:
    UseCurrentCode(TokenRepository& repository, const TotpGenerating& generator, const Clock& clock);

    // `secret` is the one stored under `secretRef`. Throws accountNotFound (also when the
    // account now has another secret), invalidSecret (no code, or a HOTP counter that cannot
    // advance; nothing saved) or what the repository threw.
    std::string execute(const Uuid& accountID, const OtpSecretRef& secretRef, const SecretBytes& secret) const;

private:
    TokenRepository& repository_;
    const TotpGenerating& generator_;
    const Clock& clock_;
};

}  // namespace quorbit
