#include "infrastructure/files/XdgDataDirectory.h"

#include <QStandardPaths>

#include "config/StorageNames.h"

namespace quorbit {

// Read afresh on every call, so that a changed XDG_DATA_HOME takes effect.
std::filesystem::path XdgDataDirectory::userDirectory() {
    return std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString());
}

std::filesystem::path XdgDataDirectory::quorbitFolder() { return userDirectory() / StorageNames::dataFolder; }

std::filesystem::path XdgDataDirectory::legacyFolder() { return userDirectory() / StorageNames::legacyDataFolder; }

}  // namespace quorbit
