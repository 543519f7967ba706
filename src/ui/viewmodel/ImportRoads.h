#pragma once

#include <set>
#include <string>
#include <vector>

#include <qcoro/qcorotask.h>

#include "domain/GoogleAuthAccount.h"

namespace quorbit {

class ActionContext;

// Accounts from QR images, the screen, migration payloads and otpauth URI lists.
class ImportRoads {
public:
    explicit ImportRoads(ActionContext& context);

    void importQRImage(bool closeAddTokenOnSuccess);
    void importQRCodeFromScreen(bool closeAddTokenOnSuccess);
    QCoro::Task<> handleGoogleAuthMigration(std::string uri, bool closeAddTokenOnSuccess);
    QCoro::Task<> importGoogleAuthAccounts(std::vector<GoogleAuthAccount> accounts, std::set<int> selectedIndices);
    QCoro::Task<> importOtpAuthText(std::string text);
    void importOtpAuthTextFile();

private:
    ActionContext& context_;
};

}  // namespace quorbit
