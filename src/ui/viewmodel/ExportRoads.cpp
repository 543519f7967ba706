#include "ui/viewmodel/ExportRoads.h"

#include "ui/viewmodel/ActionContext.h"

namespace quorbit {

ExportRoads::ExportRoads(ActionContext& context) : context_(context) {}

void ExportRoads::exportOtpAuthURIs() {
}

void ExportRoads::exportSelectedAccounts(std::set<Uuid> /*accountIds*/) {
}

void ExportRoads::createRecoveryKit(std::filesystem::path /*destination*/) {
}

void ExportRoads::deleteAllTokensWithConfirmation() {
}

}  // namespace quorbit
