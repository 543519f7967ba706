#include "ui/viewmodel/actions/Imports.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include <QPointer>
#include <QTimer>

#include "application/ports/Clock.h"
#include "application/ports/DialogPresenter.h"
#include "application/ports/DocumentFiles.h"
#include "application/ports/PermissionRequesting.h"
#include "application/ports/QRImportService.h"
#include "application/ports/ScreenQRImportService.h"
#include "application/usecases/AddToken.h"
#include "application/usecases/GoogleAuthImportUseCase.h"
#include "application/usecases/ImportOtpAuthText.h"
#include "domain/QuorbitError.h"
#include "lib/GoogleAuthMigrationParser.h"
#include "lib/Utf8Validator.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"
#include "ui/viewmodel/actions/BulkImport.h"
#include "ui/viewmodel/ports/WindowFactory.h"

namespace quorbit {
namespace {

void detach(QCoro::Task<> task) { (void)task; }

bool isMigrationPayload(std::string_view payload) {
    constexpr std::string_view prefix = "otpauth-migration://";
    return payload.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), payload.begin(), [](char expected, char actual) {
               return expected == std::tolower(static_cast<unsigned char>(actual));
           });
}

}  // namespace

// Counts an import started from a migration window for as long as it runs, so that window is
// not released under the window's own suspended import.
class Imports::MigrationImportRunning {
public:
    MigrationImportRunning(Imports& imports, QuorbitViewModel& viewModel) : imports_(imports), viewModel_(&viewModel) {
        ++imports_.migrationImportsRunning_;
    }
    ~MigrationImportRunning() {
        if (!viewModel_) return;
        --imports_.migrationImportsRunning_;
        imports_.releaseRetiredWindowsLater();
    }
    MigrationImportRunning(const MigrationImportRunning&) = delete;
    MigrationImportRunning& operator=(const MigrationImportRunning&) = delete;

private:
    Imports& imports_;
    QPointer<QuorbitViewModel> viewModel_;
};

Imports::Imports(ActionContext& context, BulkImport& bulkImport) : context_(context), bulkImport_(bulkImport) {}

Imports::~Imports() = default;

QString Imports::text(std::string_view english, std::string_view russian) const {
    const std::string_view chosen = localized(context_.localizer().language(), english, russian);
    return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

// --- QR image ------------------------------------------------------------------------------

void Imports::importQRImage(bool closeAddTokenOnSuccess) {
    QuorbitViewModel& viewModel = context_.viewModel();
    viewModel.setStatusMessage(text("Choose QR image...", "Выбрать QR-изображение..."));
    const auto image = context_.ports().dialogs.chooseFileToOpen(
        {text("Import QR Code", "Импорт QR-кода").toStdString(), DialogPresenter::FileKind::image,
         text("Images", "Изображения").toStdString()});
    if (!image) {
        viewModel.setStatusMessage(std::nullopt);
        return;
    }
    viewModel.setStatusMessage(text("Scanning QR image...", "Сканирование QR-изображения..."));
    detach(importQRImageFile(*image, closeAddTokenOnSuccess));
}

QCoro::Task<> Imports::importQRImageFile(std::filesystem::path image, bool closeAddTokenOnSuccess) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    try {
        auto read = [&qrImport = context_.ports().qrImport, image] { return qrImport.readPayload(image); };
        std::string payload = co_await context_.worker().run(std::move(read));
        if (!alive) co_return;
        co_await importQRCodePayload(std::move(payload), closeAddTokenOnSuccess);
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
    }
}

// --- screen --------------------------------------------------------------------------------

void Imports::importQRCodeFromScreen(bool closeAddTokenOnSuccess) {
    detach(importQRCodeOnScreen(closeAddTokenOnSuccess));
}

QCoro::Task<> Imports::importQRCodeOnScreen(bool closeAddTokenOnSuccess) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    PermissionRequesting& permissions = context_.ports().permissionRequests;
    if (permissions.prepareScreenCaptureAccess(context_.localizer()) == PermissionRequestResult::cancelled) co_return;
    context_.viewModel().setStatusMessage(text("Scanning the screen for a QR code...", "Сканирование экрана..."));
    try {
        auto read = [&screen = context_.ports().screenQRImport] { return screen.readOtpAuthURIFromScreen(); };
        std::string payload = co_await context_.worker().run(std::move(read));
        if (!alive) co_return;
        co_await importQRCodePayload(std::move(payload), closeAddTokenOnSuccess);
    } catch (const QuorbitError& error) {
        if (!alive) co_return;
        if (error.errorCase() == QuorbitError::Case::screenRecordingPermissionDenied) {
            permissions.presentScreenCaptureDeniedGuidance(context_.localizer());
        }
        context_.reportError(error);
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
    }
}

// --- one decoded payload -------------------------------------------------------------------

QCoro::Task<> Imports::importQRCodePayload(std::string payload, bool closeAddTokenOnSuccess) {
    if (!context_.ensureKeychainTrustMessageAccepted()) co_return;
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    context_.viewModel().setStatusMessage(
        text("The system may ask for access to the system keyring now. This is needed to save or read your OTP "
             "secret securely.",
             "Система может запросить доступ к системной связке ключей."));
    if (isMigrationPayload(payload)) {
        co_await handleGoogleAuthMigration(std::move(payload), closeAddTokenOnSuccess);
        co_return;
    }
    const QuorbitViewModelPorts& ports = context_.ports();
    auto job = [&ports, payload = std::move(payload)] {
        const TokenDraft draft = ports.parser.parse(payload);
        AddToken(ports.repository, ports.secretStore, ports.base32Decoder, ports.clock).execute(draft);
    };
    co_await context_.worker().run(std::move(job));
    if (!alive) co_return;
    if (closeAddTokenOnSuccess) {
        context_.viewModel().resetAddForm();
        context_.viewModel().setShowingAddToken(false);
    }
    co_await context_.reloadThrowing();
    if (alive) context_.viewModel().setStatusMessage(text("QR token imported", "Токен импортирован"));
}

// --- migration payloads --------------------------------------------------------------------

QCoro::Task<> Imports::handleGoogleAuthMigration(std::string uri, bool closeAddTokenOnSuccess) {
    GoogleAuthMigrationParser::MigrationResult result = GoogleAuthMigrationParser::parse(uri);
    QuorbitViewModel& viewModel = context_.viewModel();
    if (result.accounts.empty()) {
        viewModel.setStatusMessage(text("No accounts found in QR code for import", "Аккаунты не найдены"));
        co_return;
    }
    auto madeWindow = std::make_shared<const WindowHolder*>(nullptr);
    std::unique_ptr<WindowHolder> window = context_.ports().windows.makeGoogleAuthImportWindow(
        viewModel, std::move(result.accounts), result.isFinalBatch,
        migrationWindowCompletion(madeWindow, closeAddTokenOnSuccess));
    WindowHolder& shown = *window;
    *madeWindow = window.get();
    if (std::unique_ptr<WindowHolder> earlier = context_.setGoogleAuthWindowController(std::move(window))) {
        earlier->close();
        retire(std::move(earlier));
    }
    shown.show();
    if (closeAddTokenOnSuccess) viewModel.setShowingAddToken(false);
}

// Runs once or twice per window (its close and its own completion). It clears the field only
// while the field still holds this window: a later payload's window stays.
std::function<void()> Imports::migrationWindowCompletion(std::shared_ptr<const WindowHolder*> window,
                                                         bool closeAddTokenOnSuccess) {
    return [this, alive = QPointer<QuorbitViewModel>(&context_.viewModel()), window, closeAddTokenOnSuccess] {
        if (!alive) return;
        if (*window != nullptr && alive->googleAuthWindowController() == *window) {
            retire(context_.setGoogleAuthWindowController(nullptr));
        }
        if (closeAddTokenOnSuccess) alive->setShowingAddToken(false);
    };
}

void Imports::retire(std::unique_ptr<WindowHolder> window) {
    if (!window) return;
    retiredWindows_.push_back(std::move(window));
    releaseRetiredWindowsLater();
}

// A window may be the caller of its own completion, so it is never released on the spot.
void Imports::releaseRetiredWindowsLater() {
    if (retiredWindows_.empty()) return;
    QTimer::singleShot(0, &context_.viewModel(), [this] {
        if (migrationImportsRunning_ == 0) retiredWindows_.clear();
    });
}

QCoro::Task<bool> Imports::importGoogleAuthAccounts(std::vector<GoogleAuthAccount> accounts,
                                                    std::set<int> selectedIndices) {
    if (!context_.ensureKeychainTrustMessageAccepted()) co_return false;
    const MigrationImportRunning running(*this, context_.viewModel());
    const QuorbitViewModelPorts& ports = context_.ports();
    auto job = [&ports, accounts = std::move(accounts), selectedIndices] {
        GoogleAuthImportUseCase(ports.repository, ports.secretStore, ports.base32Decoder, ports.base32Encoder,
                                ports.clock, ports.parser)
            .execute(accounts, selectedIndices);
    };
    co_await context_.worker().run(std::move(job));
    co_await context_.reloadThrowing();
    co_return true;
}

// --- otpauth URI lists ---------------------------------------------------------------------

QCoro::Task<> Imports::importOtpAuthText(std::string text) {
    if (!context_.ensureKeychainTrustMessageAccepted()) co_return;
    if (text.size() > maxUriFileBytes) {
        reportTooLarge();
        co_return;
    }
    co_await importAcceptedOtpAuthText(std::move(text));
}

QCoro::Task<> Imports::importAcceptedOtpAuthText(std::string text) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    const QuorbitViewModelPorts& ports = context_.ports();
    try {
        auto plan = [&ports, text = std::move(text)] {
            return ImportOtpAuthText(ports.repository, ports.secretStore, ports.parser, ports.base32Decoder,
                                     ports.clock)
                .plan(text);
        };
        const std::optional<std::vector<OtpAccount>> imported = co_await bulkImport_.run(std::move(plan));
        if (!alive || !imported) co_return;
        co_await context_.reloadThrowing();
        if (!alive) co_return;
        context_.viewModel().setStatusMessage(QString::fromStdString(
            context_.localizer().importedOtpAuthTokens(static_cast<std::int64_t>(imported->size()))));
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
    }
}

void Imports::reportTooLarge() {
    context_.viewModel().setStatusMessage(
        text("The file is larger than 1 MiB and was not imported.", "Файл больше 1 МиБ и не был импортирован."));
}

void Imports::importOtpAuthTextFile() {
    if (!context_.ensureKeychainTrustMessageAccepted()) return;
    const auto file = context_.ports().dialogs.chooseFileToOpen(
        {text("Import otpauth URI File", "Импорт файла с otpauth URI").toStdString(), DialogPresenter::FileKind::text});
    if (file) detach(importOtpAuthTextFrom(*file));
}

QCoro::Task<> Imports::importOtpAuthTextFrom(std::filesystem::path file) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    std::optional<std::string> contents;
    try {
        auto job = [&files = context_.ports().documentFiles, file] {
            std::optional<std::vector<std::uint8_t>> bytes = files.readWhole(file, maxUriFileBytes);
            if (!bytes) return std::optional<std::string>();
            std::string read(bytes->begin(), bytes->end());
            // Text that is not UTF-8 cannot be a list of links.
            if (!Utf8Validator::isValid(read)) throw QuorbitError(QuorbitError::Case::invalidTokenURI);
            return std::optional<std::string>(std::move(read));
        };
        contents = co_await context_.worker().run(std::move(job));
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
        co_return;
    }
    if (!alive) co_return;
    if (!contents) {
        reportTooLarge();
        co_return;
    }
    co_await importAcceptedOtpAuthText(std::move(*contents));
}

}  // namespace quorbit
