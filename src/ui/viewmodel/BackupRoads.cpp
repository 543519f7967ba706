#include "ui/viewmodel/BackupRoads.h"

#include "ui/viewmodel/ActionContext.h"

namespace quorbit {

BackupRoads::BackupRoads(ActionContext& context) : context_(context) {}

void BackupRoads::exportEncryptedBackup() {
}

void BackupRoads::importEncryptedBackup() {
}

}  // namespace quorbit
