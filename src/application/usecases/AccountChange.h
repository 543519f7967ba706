#pragma once

#include <functional>
#include <vector>

#include "application/ports/TokenRepository.h"
#include "domain/OtpAccount.h"
#include "domain/Uuid.h"

namespace quorbit {

// The load, find, change and save that every single-account mutation shares.
class AccountChange {
public:
    explicit AccountChange(TokenRepository& repository);

    // Changes the first account with the id in place, saves the whole list and returns the
    // account as saved. Throws accountNotFound before anything is written.
    OtpAccount apply(const Uuid& accountID, const std::function<void(OtpAccount&)>& change) const;

    // The first account with the id, in list order; throws accountNotFound.
    static std::vector<OtpAccount>::iterator find(std::vector<OtpAccount>& accounts, const Uuid& accountID);

private:
    TokenRepository& repository_;
};

}  // namespace quorbit
