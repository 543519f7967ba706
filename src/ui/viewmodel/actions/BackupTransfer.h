#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include <qcoro/qcorotask.h>

#include "domain/AppLanguage.h"
#include "domain/BackupInfo.h"
#include "domain/SecretBytes.h"
#include "ui/viewmodel/actions/BackupCipherSettings.h"

namespace quorbit {

class ActionContext;
class BulkImport;

// Encrypted backup export and import.
class BackupTransfer {
public:
    BackupTransfer(ActionContext& context, BulkImport& bulkImport);

    void exportEncryptedBackup();
    void importEncryptedBackup();

    // The password prompt of every encrypted export and import; none when cancelled or empty.
    static std::optional<SecretBytes> requestPassword(ActionContext& context, std::string_view title,
                                                      std::string_view prompt);
    // The backup summary shown before an import, one line per fact.
    static std::string summaryText(const BackupInfo& info, AppLanguage language);

private:
    QCoro::Task<> askAndExportBackup();
    QCoro::Task<> writeBackup(SecretBytes password, std::filesystem::path target, BackupCipherSettings cipher);
    QCoro::Task<> importBackupFile(std::filesystem::path source, SecretBytes password);
    QCoro::Task<> mergeConfirmedBackup(std::vector<std::uint8_t> data, SecretBytes password);
    bool confirmBackupImport(const BackupInfo& info);
    std::string text(std::string_view english, std::string_view russian) const;

    ActionContext& context_;
    BulkImport& bulkImport_;
};

}  // namespace quorbit
