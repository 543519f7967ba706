#pragma once

#include <vector>

#include "domain/OtpAccount.h"

namespace quorbit {

// Takes over the earlier product's account file once and returns the account list after it.
// Failures throw QuorbitError::persistenceFailure.
class LegacyMigrationService {
public:
    virtual ~LegacyMigrationService() = default;
    virtual std::vector<OtpAccount> migrateIfNeeded() = 0;
};

}  // namespace quorbit
