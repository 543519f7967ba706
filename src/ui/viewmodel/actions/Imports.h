#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include <qcoro/qcorotask.h>

#include "domain/GoogleAuthAccount.h"

namespace quorbit {

class ActionContext;
class BulkImport;
class WindowHolder;

// Accounts from QR images, the screen, migration payloads and otpauth URI lists.
class Imports {
public:
    // A URI list is a few lines of text; a larger file is refused before it is read whole, a
    // larger pasted text before it is read at all.
    static constexpr std::size_t maxUriFileBytes = 1024 * 1024;

    Imports(ActionContext& context, BulkImport& bulkImport);
    ~Imports();

    void importQRImage(bool closeAddTokenOnSuccess);
    void importQRCodeFromScreen(bool closeAddTokenOnSuccess);
    QCoro::Task<> handleGoogleAuthMigration(std::string uri, bool closeAddTokenOnSuccess);
    // False when the keyring notice was declined: nothing was imported, the window stays as it is.
    QCoro::Task<bool> importGoogleAuthAccounts(std::vector<GoogleAuthAccount> accounts, std::set<int> selectedIndices);
    QCoro::Task<> importOtpAuthText(std::string text);
    void importOtpAuthTextFile();

private:
    class MigrationImportRunning;

    QCoro::Task<> importQRImageFile(std::filesystem::path image, bool closeAddTokenOnSuccess);
    QCoro::Task<> importQRCodeOnScreen(bool closeAddTokenOnSuccess);
    QCoro::Task<> importQRCodePayload(std::string payload, bool closeAddTokenOnSuccess);
    QCoro::Task<> importOtpAuthTextFrom(std::filesystem::path file);
    QCoro::Task<> importAcceptedOtpAuthText(std::string text);
    void reportTooLarge();
    std::function<void()> migrationWindowCompletion(std::shared_ptr<const WindowHolder*> window,
                                                    bool closeAddTokenOnSuccess);
    void retire(std::unique_ptr<WindowHolder> window);
    void releaseRetiredWindowsLater();
    QString text(std::string_view english, std::string_view russian) const;

    ActionContext& context_;
    BulkImport& bulkImport_;
    // Replaced or finished migration windows, released on a later turn of the event loop and
    // only while no import started from one of them is suspended.
    std::vector<std::unique_ptr<WindowHolder>> retiredWindows_;
    int migrationImportsRunning_ = 0;
};

}  // namespace quorbit
