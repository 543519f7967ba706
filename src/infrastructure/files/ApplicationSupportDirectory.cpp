#include "infrastructure/files/ApplicationSupportDirectory.h"

#include <QStandardPaths>

#include "config/StorageNames.h"

namespace quorbit {

// Read afresh on every call, so that a changed XDG_DATA_HOME takes effect.
std::filesystem::path ApplicationSupportDirectory::userDirectory() {
    return std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString());
}

std::filesystem::path ApplicationSupportDirectory::quorbitFolder() { return userDirectory() / StorageNames::dataFolder; }

std::filesystem::path ApplicationSupportDirectory::legacyFolder() { return userDirectory() / StorageNames::legacyDataFolder; }

}  // namespace quorbit
