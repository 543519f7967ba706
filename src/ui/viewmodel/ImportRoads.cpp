#include "ui/viewmodel/ImportRoads.h"

#include "ui/viewmodel/ActionContext.h"

namespace quorbit {

ImportRoads::ImportRoads(ActionContext& context) : context_(context) {}

void ImportRoads::importQRImage(bool /*closeAddTokenOnSuccess*/) {
}

void ImportRoads::importQRCodeFromScreen(bool /*closeAddTokenOnSuccess*/) {
}

QCoro::Task<> ImportRoads::handleGoogleAuthMigration(std::string /*uri*/, bool /*closeAddTokenOnSuccess*/) {
    co_return;
}

QCoro::Task<> ImportRoads::importGoogleAuthAccounts(std::vector<GoogleAuthAccount> /*accounts*/, std::set<int> /*selectedIndices*/) {
    co_return;
}

QCoro::Task<> ImportRoads::importOtpAuthText(std::string /*text*/) {
    co_return;
}

void ImportRoads::importOtpAuthTextFile() {
}

}  // namespace quorbit
