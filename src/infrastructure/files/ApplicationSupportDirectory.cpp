#include "infrastructure/files/ApplicationSupportDirectory.h"

#include <QStandardPaths>

namespace quorbit {

// Read afresh on every call, so that a changed XDG_DATA_HOME takes effect.
std::filesystem::path ApplicationSupportDirectory::userDirectory() {
    return std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString());
}

std::filesystem::path ApplicationSupportDirectory::quorbitFolder() { return userDirectory() / "Quorbit"; }

std::filesystem::path ApplicationSupportDirectory::legacyFolder() { return userDirectory() / "Tallyo"; }

}  // namespace quorbit
