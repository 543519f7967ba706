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
#include "infrastructure/auth/PamVaultUnlocker.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"
#include "infrastructure/desktop/ImageFileQRImportService.h"
#include "infrastructure/desktop/LogindSessionEventSource.h"
#include "infrastructure/desktop/QtClipboardService.h"
#include "infrastructure/desktop/ScreenCaptureGuidance.h"
#include "infrastructure/desktop/ScreenGrabQRImportService.h"
#include "infrastructure/desktop/X11GlobalHotKeyService.h"
#include "infrastructure/desktop/XdgAutostartLoginItem.h"
#include "infrastructure/files/AtomicDocumentFiles.h"
#include "infrastructure/files/FileAccountGroupRepository.h"
#include "infrastructure/files/FileIgnoredIssuesStore.h"
#include "infrastructure/files/FileSecurityEventStore.h"
#include "infrastructure/files/FileTokenRepository.h"
#include "infrastructure/files/IniSettingsStore.h"
#include "infrastructure/files/LegacyAppMigration.h"
#include "infrastructure/keyring/KeyringSecretStore.h"
#include "infrastructure/keyring/SecretServiceClient.h"
#include "lib/Base32Codec.h"
#include "lib/OtpAuthURIParser.h"
#include "lib/RFC6238TotpGenerator.h"
#include "ui/platform/OwnerAuthenticationDialog.h"
#include "ui/platform/SystemDesktopServices.h"
#include "ui/platform/WidgetDialogPresenter.h"
#include "ui/viewmodel/QtDelayTimer.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/windows/WidgetWindowFactory.h"

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
    IniSettingsStore settingsStore_;
    const AppSettings startupSettings_;
    SecretServiceClient keychainClient_;
    KeyringSecretStore secretStore_;
    Base32Codec base32_;
    const std::set<std::string> allowedURITypes_{"totp", "hotp"};
    X11GlobalHotKeyService hotKeyService_;
    SystemClock clock_;
    OwnerAuthenticationDialog authenticationDialog_;
    PamVaultUnlocker unlocker_;
    VaultSession vault_;
    LegacyAppMigration migration_;
    FileSecurityEventStore securityEventStore_;
    FileIgnoredIssuesStore ignoredIssuesStore_;
    RFC6238TotpGenerator generator_;
    QtClipboardService clipboard_;
    OtpAuthURIParser parser_;
    EncryptedBackupCryptoService backupCrypto_;
    ImageFileQRImportService qrImport_;
    ScreenGrabQRImportService screenQRImport_;
    WidgetDialogPresenter dialogs_;
    ScreenCaptureGuidance permissionRequests_;
    XdgAutostartLoginItem loginItemService_;
    AtomicDocumentFiles documentFiles_;
    SystemDesktopServices desktop_;
    LogindSessionEventSource sessionEvents_;
    WidgetWindowFactory windows_;
    QtDelayTimer delays_;
    QuorbitViewModel viewModel_;
};

}  // namespace quorbit
