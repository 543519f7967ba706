#pragma once

#include "application/ports/Clock.h"
#include "application/ports/TokenRepository.h"
#include "domain/OtpAccount.h"
#include "domain/OtpSettingsDraft.h"
#include "domain/Uuid.h"

namespace quorbit {

// Replaces the OTP settings and tags of one account; its names and secret stay.
class UpdateAccountOtpSettings {
public:
    UpdateAccountOtpSettings(TokenRepository& repository, const Clock& clock);

    // Throws invalidSecret before loading for digits outside 6...8 or a TOTP period below 1,
    // accountNotFound, or what the repository threw. The tags are taken as given: callers
    // normalise them. A negative counter is stored as 0.
    OtpAccount execute(const Uuid& accountID, const OtpSettingsDraft& settings) const;

private:
    TokenRepository& repository_;
    const Clock& clock_;
};

}  // namespace quorbit
