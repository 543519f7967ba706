#pragma once

#include <vector>

#include "domain/OtpAccount.h"

namespace quorbit {

// The whole account list, loaded and saved as one. Failures throw QuorbitError::persistenceFailure.
class TokenRepository {
public:
    virtual ~TokenRepository() = default;
    virtual std::vector<OtpAccount> loadAccounts() = 0;
    virtual void saveAccounts(const std::vector<OtpAccount>& accounts) = 0;
    // True when an unreadable list was moved aside: its accounts may still need their secrets.
    virtual bool keepsSetAsideCopies() const { return false; }
};

}  // namespace quorbit
