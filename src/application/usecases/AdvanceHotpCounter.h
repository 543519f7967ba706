#pragma once

#include "application/ports/Clock.h"
#include "application/ports/TokenRepository.h"
#include "domain/OtpAccount.h"
#include "domain/Uuid.h"

namespace quorbit {

// Moves a HOTP account to its next counter value. A TOTP account is returned unchanged and
// nothing is saved.
class AdvanceHotpCounter {
public:
    AdvanceHotpCounter(TokenRepository& repository, const Clock& clock);

    // Throws accountNotFound, invalidSecret for a counter that cannot grow (nothing saved),
    // or what the repository threw.
    OtpAccount execute(const Uuid& accountID) const;

private:
    TokenRepository& repository_;
    const Clock& clock_;
};

}  // namespace quorbit
