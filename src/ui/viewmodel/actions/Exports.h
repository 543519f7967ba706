#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include <qcoro/qcorotask.h>

#include "domain/SecretBytes.h"
#include "domain/Uuid.h"
#include "ui/viewmodel/actions/BackupCipherSettings.h"

namespace quorbit {

class ActionContext;

// Plain and selective exports and the Recovery Kit.
class Exports {
public:
    explicit Exports(ActionContext& context);

    void exportOtpAuthURIs();
    void exportSelectedAccounts(std::set<Uuid> accountIds);
    void createRecoveryKit(std::filesystem::path destination);

private:
    // Each export asks the owner first, then its questions, then writes.
    QCoro::Task<> askAndExportOtpAuthURIs();
    QCoro::Task<> askAndExportSelected(std::set<Uuid> accountIds);
    QCoro::Task<> askAndCreateRecoveryKit(std::filesystem::path destination);
    QCoro::Task<> writeOtpAuthURIs(std::filesystem::path target);
    QCoro::Task<> writeSelectedAccounts(std::set<Uuid> accountIds, SecretBytes password, std::filesystem::path target,
                                        BackupCipherSettings cipher);
    QCoro::Task<> writeRecoveryKit(std::filesystem::path destination, SecretBytes password,
                                   BackupCipherSettings cipher);
    std::string text(std::string_view english, std::string_view russian) const;

    ActionContext& context_;
};

}  // namespace quorbit
