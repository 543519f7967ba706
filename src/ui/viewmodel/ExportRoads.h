#pragma once

#include <filesystem>
#include <set>

#include "domain/Uuid.h"

namespace quorbit {

class ActionContext;

// Plain and selective exports, the Recovery Kit and deleting every account.
class ExportRoads {
public:
    explicit ExportRoads(ActionContext& context);

    void exportOtpAuthURIs();
    void exportSelectedAccounts(std::set<Uuid> accountIds);
    void createRecoveryKit(std::filesystem::path destination);
    void deleteAllTokensWithConfirmation();

private:
    ActionContext& context_;
};

}  // namespace quorbit
