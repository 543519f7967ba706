#include "app/AppComposition.h"

#include <QLoggingCategory>

#include "application/settings/AutoLockDuration.h"
#include "application/usecases/RemoveOrphanedSecrets.h"
#include "config/KeyringNames.h"
#include "config/LogCategoryNames.h"
#include "infrastructure/files/XdgDataDirectory.h"
#include "ui/viewmodel/actions/BackupCipherSettings.h"

namespace quorbit {
namespace {

Q_LOGGING_CATEGORY(storageLog, LogCategoryNames::storage)

}  // namespace

AppComposition::AppComposition()
    : tokenRepository_(FileTokenRepository::defaultFileURL(), FileTokenRepository::legacyFileURL(), this),
      groupRepository_(FileAccountGroupRepository::defaultFileURL(), this),
      settingsStore_(IniSettingsStore::defaultFileURL(), this), startupSettings_(settingsStore_.loadSettings()),
      secretStore_(std::string(KeyringNames::service), std::string(KeyringNames::legacyService), keychainClient_,
                   startupSettings_.iCloudSync),
      unlocker_(authenticationDialog_), vault_(unlocker_, clock_, timeout(startupSettings_.autoLock)),
      migration_(tokenRepository_), securityEventStore_(FileSecurityEventStore::defaultFileURL(),
                                                        FileSecurityEventStore::defaultMaxEvents, clock_, this),
      ignoredIssuesStore_(FileIgnoredIssuesStore::defaultFileURL(), clock_, this), parser_(allowedURITypes_),
      backupCrypto_(BackupCipherSettings::from(startupSettings_).iterations,
                    BackupCipherSettings::from(startupSettings_).saltBytes),
      permissionRequests_(dialogs_), viewModel_(ports()) {
    // The password prompt speaks the interface language, as every text of ours does.
    authenticationDialog_.setLanguage(viewModel_.settings().language);
    QObject::connect(&viewModel_, &QuorbitViewModel::settingsChanged, &authenticationDialog_,
                     [this] { authenticationDialog_.setLanguage(viewModel_.settings().language); });
    QObject::connect(&viewModel_, &QuorbitViewModel::started, &viewModel_, [this] { removeOrphanedSecrets(); });
    const std::scoped_lock lock(setAsideMutex_);
    viewModelMade_ = true;
    for (const auto& [file, aside] : setAsideBeforeViewModel_) fileSetAsideLater(file, aside);
}

void AppComposition::fileSetAside(const std::filesystem::path& file, const std::filesystem::path& aside) {
    const std::scoped_lock lock(setAsideMutex_);
    if (viewModelMade_) {
        fileSetAsideLater(file, aside);
    } else {
        setAsideBeforeViewModel_.emplace_back(file, aside);
    }
}

// On the GUI thread, once the job that set the file aside has been left.
void AppComposition::fileSetAsideLater(const std::filesystem::path& file, const std::filesystem::path& aside) {
    QMetaObject::invokeMethod(
        &viewModel_, [&viewModel = viewModel_, file, aside] { viewModel.reportFileSetAside(file, aside); },
        Qt::QueuedConnection);
}

// After the start, so that nothing waits for it: a secret written by an add whose list save
// never happened (a crash, a killed import) goes, once the list is known to be whole.
void AppComposition::removeOrphanedSecrets() {
    auto sweep = [&repository = tokenRepository_, &secrets = secretStore_] {
        try {
            if (const std::size_t removed = RemoveOrphanedSecrets(repository, secrets).execute(); removed > 0) {
                qCInfo(storageLog, "removed %zu keyring secrets that no account refers to", removed);
            }
        } catch (const std::exception& error) {
            qCWarning(storageLog, "secrets that no account refers to were not looked for: %s", error.what());
        }
    };
    (void)viewModel_.worker().run(std::move(sweep));
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
        .dataFolder = XdgDataDirectory::quorbitFolder(),
        .accountsFile = FileTokenRepository::defaultFileURL(),
        .makeBackupCrypto = [](int iterations, int saltBytes) -> std::unique_ptr<BackupCryptoService> {
            return std::make_unique<EncryptedBackupCryptoService>(iterations, saltBytes);
        },
    };
}

bool AppComposition::stopWork(std::chrono::milliseconds bound) {
    authenticationDialog_.closeDown();
    return viewModel_.worker().stop(bound);
}

// The view model goes first and waits for its worker; a password prompt left open at exit
// would keep that worker waiting for the GUI thread, whose event loop has already ended.
AppComposition::~AppComposition() { authenticationDialog_.closeDown(); }

}  // namespace quorbit
