// The path-level calls are the keyring's batch read.
#define SECRET_API_SUBJECT_TO_CHANGE
#include <libsecret/secret.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
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
#include "infrastructure/desktop/ImageFileQRImportService.h"
#include "infrastructure/desktop/QtClipboardService.h"
#include "infrastructure/desktop/ScreenCaptureGuidance.h"
#include "infrastructure/desktop/ScreenGrabQRImportService.h"
#include "infrastructure/desktop/XdgAutostartLoginItem.h"
#include "infrastructure/files/AtomicDocumentFiles.h"
#include "infrastructure/files/FileAccountGroupRepository.h"
#include "infrastructure/files/FileIgnoredIssuesStore.h"
#include "infrastructure/files/FileTokenRepository.h"
#include "infrastructure/files/IniSettingsStore.h"
#include "infrastructure/keyring/KeyringItemSchema.h"
#include "infrastructure/keyring/KeyringSecretStore.h"
#include "infrastructure/keyring/SecretServiceClient.h"
#include "lib/Base32Codec.h"
#include "lib/OtpAuthURIParser.h"
#include "lib/RFC6238TotpGenerator.h"
#include "support/PrivateKeyringSession.h"
#include "support/RatioReporter.h"
#include "ui/viewmodel/QtDelayTimer.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/ports/DesktopServices.h"
#include "ui/viewmodel/ports/WindowFactory.h"

// From a successful unlock to the codes on screen, with the secrets in a real gnome-keyring: the
// first screenful raced against one item read on its own, every code against one fetch of all
// the secrets, at a thousand and at ten thousand accounts.
namespace {

using namespace quorbit;
using bench::Comparison;
using Clock = std::chrono::steady_clock;

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

// The items go to the keyring's in-memory collection: the login collection writes its whole
// file for every item, which would make ten thousand of them take most of an hour.
class SessionCollectionWriter {
public:
    SessionCollectionWriter()
        : service_(
              secret_service_open_sync(SECRET_TYPE_SERVICE, nullptr, SECRET_SERVICE_OPEN_SESSION, nullptr, nullptr)) {}
    ~SessionCollectionWriter() { g_object_unref(service_); }

    void store(const std::string& account, const SecretBytes& secret) {
        GHashTable* attributes = secret_attributes_build(keyringItemSchema(), "service", KeyringNames::service.data(),
                                                         "account", account.c_str(), nullptr);
        SecretValue* value = secret_value_new(reinterpret_cast<const gchar*>(secret.data()),
                                              static_cast<gssize>(secret.size()), "application/octet-stream");
        const gboolean stored = secret_service_store_sync(service_, keyringItemSchema(), attributes,
                                                          "/org/freedesktop/secrets/collection/session", "bench", value,
                                                          nullptr, nullptr);
        secret_value_unref(value);
        g_hash_table_unref(attributes);
        if (!stored) throw std::runtime_error("the keyring did not store an item");
    }

private:
    SecretService* service_;
};

// The program as the shell composes it, over TOTP accounts whose secrets are in the keyring.
// The accounts grow to what a benchmark asks for; the first ones stay.
struct Composition {
    Composition() { QCoro::waitFor(model.start()); }

    void growTo(int count) {
        if (static_cast<int>(accounts.size()) >= count) return;
        SessionCollectionWriter keyringItems;
        const TimePoint created = clock.now();
        for (int n = static_cast<int>(accounts.size()); n < count; ++n) {
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
            keyringItems.store(account.secretRef.rawValue, secret);
            accounts.push_back(std::move(account));
        }
        repository.saveAccounts(accounts);
        unlockUntilEveryCode();
        firstScreenful.clear();
        for (const OtpAccount& account : model.visibleAccounts()) {
            if (firstScreenful.size() == 10) break;
            firstScreenful.push_back(account.id);
        }
        firstScreenful.push_back(model.quickAccessAccount()->id);
    }

    bool showsFirstScreenful() const {
        return std::ranges::all_of(firstScreenful, [&](const Uuid& id) { return model.codes().contains(id); });
    }

    void waitForEveryCode() {
        while (model.codes().size() < accounts.size()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    void unlockUntilEveryCode() {
        model.lock();
        QCoro::waitFor(model.unlock());
        waitForEveryCode();
    }

    std::vector<OtpAccount> accounts;
    std::vector<Uuid> firstScreenful;  // the codes a panel shows first, and the quick-access one

    SystemClock clock;
    FileTokenRepository repository{dataFolder() / "accounts.json", dataFolder() / "legacy-accounts.json"};
    FileAccountGroupRepository groups{dataFolder() / "groups.json"};
    SecretServiceClient keyring;
    KeyringSecretStore secrets{std::string(KeyringNames::service), std::string(KeyringNames::legacyService), keyring,
                               false};
    RFC6238TotpGenerator generator;
    QtClipboardService clipboard;
    OtpAuthURIParser parser;
    Base32Codec base32;
    EncryptedBackupCryptoService backupCrypto{120'000, 16};
    ImageFileQRImportService qrImport;
    ScreenGrabQRImportService screenQRImport;
    ContinuingDialogs dialogs;
    ScreenCaptureGuidance permissions{dialogs};
    AcceptingOwner owner;
    VaultSession vault{owner, clock, std::chrono::seconds(300)};
    IniSettingsStore settings{std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "Quorbit.conf"};
    XdgAutostartLoginItem loginItem;
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

// The road a user takes: the program started (its refresh loop ticking), the owner's unlock
// answered, until the panel's first screenful and the quick-access account have their codes.
void unlockToFirstScreenful(benchmark::State& state) {
    world->growTo(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        world->model.lock();
        const auto begin = Clock::now();
        QCoro::Task<> unlocking = world->model.unlock();
        while (!world->showsFirstScreenful()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const std::chrono::duration<double> elapsed = Clock::now() - begin;
        QCoro::waitFor(std::move(unlocking));
        world->waitForEveryCode();  // the next unlock starts from a quiet program
        state.SetIterationTime(elapsed.count());
    }
}

// The same road until every account has its code.
void unlockToEveryCode(benchmark::State& state) {
    world->growTo(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        world->model.lock();
        const auto begin = Clock::now();
        QCoro::Task<> unlocking = world->model.unlock();
        world->waitForEveryCode();
        const std::chrono::duration<double> elapsed = Clock::now() - begin;
        QCoro::waitFor(std::move(unlocking));
        state.SetIterationTime(elapsed.count());
    }
}

// One account's secret read from the keyring on its own, as a copy of it does.
void singleItemRead(benchmark::State& state) {
    world->growTo(static_cast<int>(state.range(0)));
    const OtpSecretRef ref = world->accounts.front().secretRef;
    for (auto _ : state) benchmark::DoNotOptimize(world->secrets.loadSecret(ref));
}

// The floor of reading every secret: one GetSecrets call for all the items' paths, found
// beforehand.
void getSecretsOfEveryPath(benchmark::State& state) {
    world->growTo(static_cast<int>(state.range(0)));
    SecretService* service = secret_service_get_sync(SECRET_SERVICE_OPEN_SESSION, nullptr, nullptr);
    GHashTable* attributes =
        secret_attributes_build(keyringItemSchema(), "service", KeyringNames::service.data(), nullptr);
    gchar** paths = nullptr;
    secret_service_search_for_dbus_paths_sync(service, keyringItemSchema(), attributes, nullptr, &paths, nullptr,
                                              nullptr);
    for (auto _ : state) {
        GHashTable* secrets =
            secret_service_get_secrets_for_dbus_paths_sync(service, const_cast<const gchar**>(paths), nullptr, nullptr);
        if (secrets == nullptr || g_hash_table_size(secrets) != world->accounts.size()) {
            state.SkipWithError("the keyring did not hand over every secret");
        }
        if (secrets != nullptr) g_hash_table_unref(secrets);
    }
    g_strfreev(paths);
    g_hash_table_unref(attributes);
    g_object_unref(service);
}

void atBothSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1000)->Arg(10'000)->Unit(benchmark::kMillisecond)->Iterations(8);
}

BENCHMARK(unlockToFirstScreenful)->Apply(atBothSizes)->UseManualTime();
BENCHMARK(unlockToEveryCode)->Apply(atBothSizes)->UseManualTime();
BENCHMARK(singleItemRead)->Apply(atBothSizes);
BENCHMARK(getSecretsOfEveryPath)->Apply(atBothSizes);

Comparison versus(std::string name, const std::string& ours, const std::string& reference, int count, double target) {
    const std::string size = "/" + std::to_string(count) + "/iterations:8";
    return Comparison{std::move(name), ours + size + "/manual_time", reference + size, Comparison::Measure::time,
                      target};
}

const std::array comparisons{
    versus("unlock-to-first-screenful-1000-vs-one-item-read", "unlockToFirstScreenful", "singleItemRead", 1000, 3.0),
    versus("unlock-to-first-screenful-10000-vs-one-item-read", "unlockToFirstScreenful", "singleItemRead", 10'000, 3.0),
    versus("unlock-to-every-code-1000-vs-one-getsecrets", "unlockToEveryCode", "getSecretsOfEveryPath", 1000, 2.0),
    versus("unlock-to-every-code-10000-vs-one-getsecrets", "unlockToEveryCode", "getSecretsOfEveryPath", 10'000, 2.0),
};

}  // namespace

int main(int argc, char** argv) {
    bench::PrivateKeyringSession::enter();
    QGuiApplication application(argc, argv);
    Composition built;
    world = &built;
    return bench::RatioReporter::run(argc, argv, comparisons);
}
