#pragma once

#include <chrono>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "application/SystemClock.h"
#include "application/ports/DamagedFileReporting.h"
#include "application/services/VaultSession.h"
#include "application/settings/AppSettings.h"
#include "infrastructure/auth/LocalAuthenticationVaultUnlocker.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"
#include "infrastructure/desktop/CoreGraphicsScreenQRImportService.h"
#include "infrastructure/desktop/LogindSessionEventSource.h"
#include "infrastructure/desktop/MacClipboardService.h"
#include "infrastructure/desktop/MacGlobalHotKeyService.h"
#include "infrastructure/desktop/MacLoginItemService.h"
#include "infrastructure/desktop/MacPermissionRequestCoordinator.h"
#include "infrastructure/desktop/VisionQRImportService.h"
#include "infrastructure/files/AtomicDocumentFiles.h"
#include "infrastructure/files/FileAccountGroupRepository.h"
#include "infrastructure/files/FileIgnoredIssuesStore.h"
#include "infrastructure/files/FileSecurityEventStore.h"
#include "infrastructure/files/FileTokenRepository.h"
#include "infrastructure/files/LegacyAppMigration.h"
#include "infrastructure/files/UserDefaultsSettingsStore.h"
#include "infrastructure/keyring/KeychainSecretStore.h"
#include "infrastructure/keyring/SystemKeychainClient.h"
#include "lib/Base32Codec.h"
#include "lib/OtpAuthURIParser.h"
#include "lib/RFC6238TotpGenerator.h"
#include "ui/OwnerAuthenticationDialog.h"
#include "ui/platform/SystemDesktopServices.h"
#include "ui/platform/WidgetDialogPresenter.h"
#include "ui/viewmodel/QtDelayTimer.h"
#include "ui/windows/WidgetWindowFactory.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

// The composition root: one instance of every adapter, the vault session and the view model,
// made in this order at start and kept for the run. The settings read here decide the
// keyring's (inert) sync flag, the first vault time-out and the cipher that opens backups.
// Needs a QApplication; nothing is written while it is made.
class AppComposition final : private DamagedFileReporting {
public:
    AppComposition();
    ~AppComposition() override;
    AppComposition(const AppComposition&) = delete;
    AppComposition& operator=(const AppComposition&) = delete;

    QuorbitViewModel& viewModel() { return viewModel_; }
    // The end of the run: drops the worker's queued jobs, asks the running one to stop and
    // gives it at most `bound`. False when it still runs then; the caller ends the process
    // at once rather than wait for it.
    bool stopWork(std::chrono::milliseconds bound);
    GlobalHotKeyService& hotKeyService() { return hotKeyService_; }

private:
    QuorbitViewModelPorts ports();
    void removeOrphanedSecrets();
    // From any thread; reports made while the view model is being made wait for it.
    void fileSetAside(const std::filesystem::path& file, const std::filesystem::path& aside) override;
    void fileSetAsideLater(const std::filesystem::path& file, const std::filesystem::path& aside);

    std::mutex setAsideMutex_;
    std::vector<std::pair<std::filesystem::path, std::filesystem::path>> setAsideBeforeViewModel_;
    bool viewModelMade_ = false;

    FileTokenRepository tokenRepository_;
    FileAccountGroupRepository groupRepository_;
    UserDefaultsSettingsStore settingsStore_;
    const AppSettings startupSettings_;
    SystemKeychainClient keychainClient_;
    KeychainSecretStore secretStore_;
    Base32Codec base32_;
    const std::set<std::string> allowedURITypes_{"totp", "hotp"};
    MacGlobalHotKeyService hotKeyService_;
    SystemClock clock_;
    OwnerAuthenticationDialog authenticationDialog_;
    LocalAuthenticationVaultUnlocker unlocker_;
    VaultSession vault_;
    LegacyAppMigration migration_;
    FileSecurityEventStore securityEventStore_;
    FileIgnoredIssuesStore ignoredIssuesStore_;
    RFC6238TotpGenerator generator_;
    MacClipboardService clipboard_;
    OtpAuthURIParser parser_;
    EncryptedBackupCryptoService backupCrypto_;
    VisionQRImportService qrImport_;
    CoreGraphicsScreenQRImportService screenQRImport_;
    WidgetDialogPresenter dialogs_;
    MacPermissionRequestCoordinator permissionRequests_;
    MacLoginItemService loginItemService_;
    AtomicDocumentFiles documentFiles_;
    SystemDesktopServices desktop_;
    LogindSessionEventSource sessionEvents_;
    WidgetWindowFactory windows_;
    QtDelayTimer delays_;
    QuorbitViewModel viewModel_;
};

}  // namespace quorbit
