#include <libsecret/secret.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "application/SystemClock.h"
#include "application/ports/DialogPresenter.h"
#include "application/ports/SecurityEventLogging.h"
#include "application/ports/SessionEventSource.h"
#include "application/ports/VaultUnlocking.h"
#include "application/services/VaultSession.h"
#include "config/KeyringNames.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"
#include "infrastructure/desktop/CoreGraphicsScreenQRImportService.h"
#include "infrastructure/desktop/MacClipboardService.h"
#include "infrastructure/desktop/MacLoginItemService.h"
#include "infrastructure/desktop/MacPermissionRequestCoordinator.h"
#include "infrastructure/desktop/VisionQRImportService.h"
#include "infrastructure/files/AtomicDocumentFiles.h"
#include "infrastructure/files/FileAccountGroupRepository.h"
#include "infrastructure/files/FileIgnoredIssuesStore.h"
#include "infrastructure/files/FileTokenRepository.h"
#include "infrastructure/files/UserDefaultsSettingsStore.h"
#include "infrastructure/keyring/KeychainSecretStore.h"
#include "infrastructure/keyring/SystemKeychainClient.h"
#include "lib/Base32Codec.h"
#include "lib/OtpAuthURIParser.h"
#include "lib/RFC6238TotpGenerator.h"
#include "support/PrivateKeyringSession.h"
#include "support/RatioReporter.h"
#include "ui/viewmodel/DesktopServices.h"
#include "ui/viewmodel/QtDelayTimer.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/WindowFactory.h"

// From a successful unlock to every code on screen, with the secrets in a real gnome-keyring,
// raced against one libsecret search that loads the same secrets.
namespace {

using namespace quorbit;
using bench::Comparison;
using Clock = std::chrono::steady_clock;

constexpr int accountCount = 1000;

// The owner and the keyring notice say yes; nothing else is asked in this run.
class AcceptingOwner final : public VaultUnlocking {
public:
    bool unlock(const std::string&) override { return true; }
};

class ContinuingDialogs final : public DialogPresenter {
public:
    void showWarning(const std::string&, const std::string&) override {}
    AlertAnswer showAlert(const Alert&) override { return {true, false}; }
    std::optional<SecretBytes> askPassword(const PasswordPrompt&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseFileToOpen(const OpenPanel&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseFileToSave(const SavePanel&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseFolder(const std::string&) override { return std::nullopt; }
};

// The event log is not part of the road being measured.
class UnkeptEventLog final : public SecurityEventLogging {
public:
    void log(SecurityEventKind, const std::optional<Uuid>&, const std::optional<std::string>&, const std::string&,
             const std::map<std::string, std::string>&) override {}
    std::vector<SecurityEvent> loadEvents() override { return {}; }
    void clearEvents() override {}
};

class NoDesktop final : public DesktopServices {
public:
    bool openUrl(const QUrl&) override { return false; }
};

class QuietSession final : public SessionEventSource {
public:
    void watch(Handler) override {}
};

class NoWindows final : public WindowFactory {
public:
    std::unique_ptr<WindowHolder> makeSecurityAuditWindow(QuorbitViewModel&) override { return nullptr; }
    std::unique_ptr<WindowHolder> makeSecurityLogWindow(QuorbitViewModel&) override { return nullptr; }
    std::unique_ptr<WindowHolder> makeDataLifecycleWindow(QuorbitViewModel&) override { return nullptr; }
    std::unique_ptr<WindowHolder> makeGoogleAuthImportWindow(QuorbitViewModel&, std::vector<GoogleAuthAccount>, bool,
                                                             std::function<void()>) override {
        return nullptr;
    }
};

std::filesystem::path dataFolder() { return std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "Quorbit"; }

// The program as the shell composes it, over 1000 TOTP accounts whose secrets are in the keyring.
struct Composition {
    Composition() {
        std::vector<OtpAccount> accounts;
        const TimePoint created = clock.now();
        for (int n = 0; n < accountCount; ++n) {
            OtpAccount account;
            account.id = Uuid::random();
            account.issuer = "Issuer " + std::to_string(n);
            account.accountName = "user" + std::to_string(n) + "@example.com";
            account.secretRef = OtpSecretRef{Uuid::random().toString()};
            account.createdAt = created;
            account.updatedAt = created;
            SecretBytes secret(20);
            for (std::size_t byte = 0; byte < secret.size(); ++byte) {
                secret.data()[byte] = static_cast<std::uint8_t>(n + static_cast<int>(byte));
            }
            secrets.saveSecret(secret, account.secretRef);
            accounts.push_back(std::move(account));
        }
        repository.saveAccounts(accounts);
    }

    SystemClock clock;
    FileTokenRepository repository{dataFolder() / "accounts.json", dataFolder() / "legacy-accounts.json"};
    FileAccountGroupRepository groups{dataFolder() / "groups.json"};
    SystemKeychainClient keyring;
    KeychainSecretStore secrets{std::string(KeyringNames::service), std::string(KeyringNames::legacyService), keyring,
                                false};
    RFC6238TotpGenerator generator;
    MacClipboardService clipboard;
    OtpAuthURIParser parser;
    Base32Codec base32;
    EncryptedBackupCryptoService backupCrypto{120'000, 16};
    VisionQRImportService qrImport;
    CoreGraphicsScreenQRImportService screenQRImport;
    ContinuingDialogs dialogs;
    MacPermissionRequestCoordinator permissions{dialogs};
    AcceptingOwner owner;
    VaultSession vault{owner, clock, std::chrono::seconds(300)};
    UserDefaultsSettingsStore settings{std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "Quorbit.conf"};
    MacLoginItemService loginItem;
    UnkeptEventLog events;
    FileIgnoredIssuesStore ignoredIssues{dataFolder() / "ignored-security-issues.json", clock};
    AtomicDocumentFiles files;
    NoDesktop desktop;
    QuietSession session;
    NoWindows windows;
    QtDelayTimer delays;
    QuorbitViewModel model{QuorbitViewModelPorts{
        .repository = repository,
        .groupRepository = groups,
        .secretStore = secrets,
        .generator = generator,
        .clipboard = clipboard,
        .parser = parser,
        .base32Decoder = base32,
        .base32Encoder = base32,
        .backupCrypto = backupCrypto,
        .qrImport = qrImport,
        .screenQRImport = screenQRImport,
        .permissionRequests = permissions,
        .vault = vault,
        .clock = clock,
        .settingsStore = settings,
        .loginItemService = loginItem,
        .migrationService = nullptr,
        .securityEventLogger = events,
        .ignoredIssuesStore = ignoredIssues,
        .documentFiles = files,
        .dialogs = dialogs,
        .desktop = desktop,
        .sessionEvents = session,
        .windows = windows,
        .delays = delays,
        .dataFolder = dataFolder(),
        .accountsFile = dataFolder() / "accounts.json",
        .makeBackupCrypto = {},
    }};
};

// Built in main, inside the private session and after the application object.
Composition* world = nullptr;

void unlockToCodes(benchmark::State& state) {
    QuorbitViewModel& model = world->model;
    for (auto _ : state) {
        model.lock();
        const auto begin = Clock::now();
        QCoro::Task<> unlocking = model.unlock();
        while (model.codes().size() < accountCount) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const std::chrono::duration<double> elapsed = Clock::now() - begin;
        QCoro::waitFor(std::move(unlocking));
        state.SetIterationTime(elapsed.count());
    }
}
BENCHMARK(unlockToCodes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

// The same secrets straight from libsecret: one search that unlocks and loads them.
void searchLoadingSecrets(benchmark::State& state) {
    SecretSchema schema{};
    schema.name = KeyringNames::schema.data();
    schema.flags = SECRET_SCHEMA_DONT_MATCH_NAME;
    schema.attributes[0] = {"service", SECRET_SCHEMA_ATTRIBUTE_STRING};
    schema.attributes[1] = {"account", SECRET_SCHEMA_ATTRIBUTE_STRING};
    GHashTable* attributes = secret_attributes_build(&schema, "service", KeyringNames::service.data(), nullptr);
    SecretService* service = secret_service_get_sync(SECRET_SERVICE_OPEN_SESSION, nullptr, nullptr);
    const auto flags = static_cast<SecretSearchFlags>(SECRET_SEARCH_ALL | SECRET_SEARCH_UNLOCK | SECRET_SEARCH_LOAD_SECRETS);
    for (auto _ : state) {
        const auto begin = Clock::now();
        GList* items = secret_service_search_sync(service, &schema, attributes, flags, nullptr, nullptr);
        std::size_t loaded = 0;
        for (GList* entry = items; entry != nullptr; entry = entry->next) {
            SecretValue* value = secret_item_get_secret(static_cast<SecretItem*>(entry->data));
            if (value == nullptr) continue;
            gsize length = 0;
            benchmark::DoNotOptimize(secret_value_get(value, &length));
            secret_value_unref(value);
            ++loaded;
        }
        g_list_free_full(items, g_object_unref);
        const std::chrono::duration<double> elapsed = Clock::now() - begin;
        if (loaded != accountCount) state.SkipWithError("the search did not load every secret");
        state.SetIterationTime(elapsed.count());
    }
    if (service != nullptr) g_object_unref(service);
    g_hash_table_unref(attributes);
}
BENCHMARK(searchLoadingSecrets)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

const std::array comparisons{
    Comparison{"unlock-to-1000-codes", "unlockToCodes/iterations:8/manual_time",
               "searchLoadingSecrets/iterations:8/manual_time", Comparison::Measure::time, 1.3},
};

}  // namespace

int main(int argc, char** argv) {
    bench::PrivateKeyringSession::enter();
    QGuiApplication application(argc, argv);
    Composition built;
    world = &built;
    return bench::RatioReporter::run(argc, argv, comparisons);
}
