#include "infrastructure/files/LegacyAppMigration.h"

namespace quorbit {

LegacyAppMigration::LegacyAppMigration(FileTokenRepository& repository) : repository_(repository) {}

std::vector<OtpAccount> LegacyAppMigration::migrateIfNeeded() { return repository_.migrateLegacyMetadataIfNeeded(); }

}  // namespace quorbit
