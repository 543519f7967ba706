#include "app/AppComposition.h"

#include "application/settings/AutoLockDuration.h"
#include "config/KeyringNames.h"
#include "infrastructure/files/ApplicationSupportDirectory.h"
#include "ui/viewmodel/BackupCipherSettings.h"

namespace quorbit {

AppComposition::AppComposition()
    : tokenRepository_(FileTokenRepository::defaultFileURL(), FileTokenRepository::legacyFileURL()),
      groupRepository_(FileAccountGroupRepository::defaultFileURL()),
      settingsStore_(UserDefaultsSettingsStore::defaultFileURL()),
      startupSettings_(settingsStore_.loadSettings()),
      secretStore_(std::string(KeyringNames::service), std::string(KeyringNames::legacyService), keychainClient_,
                   startupSettings_.iCloudSync),
      unlocker_(authenticationDialog_),
      vault_(unlocker_, clock_, timeout(startupSettings_.autoLock)),
      migration_(tokenRepository_),
      securityEventStore_(FileSecurityEventStore::defaultFileURL(), FileSecurityEventStore::defaultMaxEvents, clock_),
      ignoredIssuesStore_(FileIgnoredIssuesStore::defaultFileURL(), clock_),
      parser_(allowedURITypes_),
      backupCrypto_(BackupCipherSettings::from(startupSettings_).iterations,
                    BackupCipherSettings::from(startupSettings_).saltBytes),
      permissionRequests_(dialogs_),
      viewModel_(ports()) {
    // The password prompt speaks the interface language, as every text of ours does.
    authenticationDialog_.setLanguage(viewModel_.settings().language);
    QObject::connect(&viewModel_, &QuorbitViewModel::settingsChanged, &authenticationDialog_,
                     [this] { authenticationDialog_.setLanguage(viewModel_.settings().language); });
}

QuorbitViewModelPorts AppComposition::ports() {
    return QuorbitViewModelPorts{
        .repository = tokenRepository_,
        .groupRepository = groupRepository_,
        .secretStore = secretStore_,
        .generator = generator_,
        .clipboard = clipboard_,
        .parser = parser_,
        .base32Decoder = base32_,
        .base32Encoder = base32_,
        .backupCrypto = backupCrypto_,
        .qrImport = qrImport_,
        .screenQRImport = screenQRImport_,
        .permissionRequests = permissionRequests_,
        .vault = vault_,
        .clock = clock_,
        .settingsStore = settingsStore_,
        .loginItemService = loginItemService_,
        .migrationService = &migration_,
        .securityEventLogger = securityEventStore_,
        .ignoredIssuesStore = ignoredIssuesStore_,
        .documentFiles = documentFiles_,
        .dialogs = dialogs_,
        .desktop = desktop_,
        .sessionEvents = sessionEvents_,
        .windows = windows_,
        .delays = delays_,
        .dataFolder = ApplicationSupportDirectory::quorbitFolder(),
        .accountsFile = FileTokenRepository::defaultFileURL(),
        .makeBackupCrypto = [](int iterations, int saltBytes) -> std::unique_ptr<BackupCryptoService> {
            return std::make_unique<EncryptedBackupCryptoService>(iterations, saltBytes);
        },
    };
}

// The view model goes first and waits for its worker; a password prompt left open at exit
// would keep that worker waiting for the GUI thread, whose event loop has already ended.
AppComposition::~AppComposition() { authenticationDialog_.closeDown(); }

}  // namespace quorbit
