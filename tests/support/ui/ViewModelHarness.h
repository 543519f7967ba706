#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <qcoro/qcorotask.h>

#include "application/services/VaultSession.h"
#include "lib/Base32Codec.h"
#include "lib/OtpAuthURIParser.h"
#include "lib/RFC6238TotpGenerator.h"
#include "support/FakeAccountGroupRepository.h"
#include "support/FakeBackupCrypto.h"
#include "support/FakeClipboard.h"
#include "support/FakeClock.h"
#include "support/FakeDialogPresenter.h"
#include "support/FakeDocumentFiles.h"
#include "support/FakeIgnoredIssuesStore.h"
#include "support/FakeLegacyMigration.h"
#include "support/FakeLoginItemService.h"
#include "support/FakePermissionRequests.h"
#include "support/FakeQRImportService.h"
#include "support/FakeSecretStore.h"
#include "support/FakeSecurityEventLog.h"
#include "support/FakeSessionEventSource.h"
#include "support/FakeSettingsStore.h"
#include "support/FakeTokenRepository.h"
#include "support/FakeVaultUnlocker.h"
#include "support/ui/FakeDelayTimer.h"
#include "support/ui/FakeDesktopServices.h"
#include "support/ui/FakeWindowFactory.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit::test {

// Every port of the view model as a fake, with the real code generator, parser and codec, for
// the view model's tests, the view tests and the pictures. `makeViewModel()` builds the view
// model over them; settings, accounts and the vault's answers are set up before that.
class ViewModelHarness {
public:
    QuorbitViewModel& makeViewModel() {
        viewModel = std::make_unique<QuorbitViewModel>(QuorbitViewModelPorts{
            .repository = repository,
            .groupRepository = groups,
            .secretStore = *secretStore,
            .generator = generator,
            .clipboard = clipboard,
            .parser = parser,
            .base32Decoder = base32,
            .base32Encoder = base32,
            .backupCrypto = *backupOpening,
            .qrImport = qr,
            .screenQRImport = qr,
            .permissionRequests = permissions,
            .vault = vault,
            .clock = clock,
            .settingsStore = settingsStore,
            .loginItemService = loginItem,
            .migrationService = &migration,
            .securityEventLogger = events,
            .ignoredIssuesStore = ignoredIssues,
            .documentFiles = files,
            .dialogs = dialogs,
            .desktop = desktop,
            .sessionEvents = *sessionEventSource,
            .windows = *windowFactory,
            .delays = delays,
            .dataFolder = dataFolder,
            .accountsFile = dataFolder / "accounts.json",
            .makeBackupCrypto = makeBackupCrypto,
        });
        return *viewModel;
    }

    // Runs an operation to its end on this thread's event loop.
    template <typename T>
    static T run(QCoro::Task<T> task) {
        return QCoro::waitFor(std::move(task));
    }
    static void run(QCoro::Task<> task) { QCoro::waitFor(std::move(task)); }

    FakeClock clock;
    FakeTokenRepository repository;
    FakeAccountGroupRepository groups;
    FakeSecretStore secrets;
    // A test of the real keyring may point this at its store before `makeViewModel()`.
    SecretStore* secretStore = &secrets;
    RFC6238TotpGenerator generator;
    FakeClipboard clipboard;
    OtpAuthURIParser parser;
    Base32Codec base32;
    FakeBackupCrypto backupCrypto;
    // A test of backups may point these at the real cipher before `makeViewModel()`.
    BackupCryptoService* backupOpening = &backupCrypto;
    std::function<std::unique_ptr<BackupCryptoService>(int iterations, int saltBytes)> makeBackupCrypto;
    FakeQRImportService qr;
    FakePermissionRequests permissions;
    FakeVaultUnlocker unlocker;
    VaultSession vault{unlocker, clock, std::chrono::seconds(300)};
    FakeSettingsStore settingsStore;
    FakeLoginItemService loginItem;
    FakeLegacyMigration migration;
    FakeSecurityEventLog events{&clock};
    FakeIgnoredIssuesStore ignoredIssues;
    FakeDocumentFiles files;
    FakeDialogPresenter dialogs;
    FakeDesktopServices desktop;
    FakeSessionEventSource sessionEvents;
    // A test of the real session adapter may point this elsewhere before `makeViewModel()`.
    SessionEventSource* sessionEventSource = &sessionEvents;
    FakeWindowFactory windows;
    // A test of the real windows may point this at their factory before `makeViewModel()`.
    WindowFactory* windowFactory = &windows;
    FakeDelayTimer delays;
    std::filesystem::path dataFolder = "/tmp/quorbit-test-data";
    std::unique_ptr<QuorbitViewModel> viewModel;
};

}  // namespace quorbit::test
