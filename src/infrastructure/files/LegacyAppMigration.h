#pragma once

#include "application/ports/LegacyMigrationService.h"
#include "infrastructure/files/FileTokenRepository.h"

namespace quorbit {

// The takeover of the earlier product's account file, done by the account repository.
class LegacyAppMigration final : public LegacyMigrationService {
public:
    explicit LegacyAppMigration(FileTokenRepository& repository);  // must outlive this

    std::vector<OtpAccount> migrateIfNeeded() override;

private:
    FileTokenRepository& repository_;
};

}  // namespace quorbit
