#include "ui/viewmodel/actions/BackupTransfer.h"

#include <chrono>
#include <tuple>
#include <utility>

#include <QDateTime>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>

#include "application/ports/DialogPresenter.h"
#include "application/ports/DocumentFiles.h"
#include "application/usecases/ExportBackup.h"
#include "application/usecases/ImportBackup.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"
#include "ui/viewmodel/actions/BulkImport.h"
#include "ui/viewmodel/actions/UnlockedWrite.h"

namespace quorbit {
namespace {

constexpr std::int64_t lowIterations = 100'000;

void detach(QCoro::Task<> task) { (void)task; }

std::string pick(AppLanguage language, std::string_view english, std::string_view russian) {
    return std::string(localized(language, english, russian));
}

// The locale's long date without its weekday, which Qt's long format has and the long date
// style of the summary does not.
QString longDateFormat(const QLocale& locale) {
    static const QRegularExpression weekday(QStringLiteral("^dddd[,\\s]*|[,\\s]*dddd"));
    return locale.dateFormat(QLocale::LongFormat).remove(weekday);
}

// Long date and short time in the user's locale.
std::string createdText(TimePoint exportedAt) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(exportedAt.time_since_epoch()).count();
    const QDateTime local = QDateTime::fromSecsSinceEpoch(seconds).toLocalTime();
    const QLocale locale;
    return (locale.toString(local.date(), longDateFormat(locale)) + QStringLiteral(", ") +
            locale.toString(local.time(), QLocale::ShortFormat))
        .toStdString();
}

}  // namespace

BackupTransfer::BackupTransfer(ActionContext& context, BulkImport& bulkImport)
    : context_(context), bulkImport_(bulkImport) {}

std::string BackupTransfer::text(std::string_view english, std::string_view russian) const {
    return pick(context_.localizer().language(), english, russian);
}

std::optional<SecretBytes> BackupTransfer::requestPassword(ActionContext& context, std::string_view title,
                                                           std::string_view prompt) {
    const AppLanguage language = context.localizer().language();
    return context.ports().dialogs.askPassword({
        .title = std::string(title),
        .prompt = std::string(prompt),
        .placeholder = pick(language, "Password", "Пароль"),
        .continueButton = pick(language, "Continue", "Продолжить"),
        .cancelButton = pick(language, "Cancel", "Отмена"),
    });
}

// --- export --------------------------------------------------------------------------------

void BackupTransfer::exportEncryptedBackup() { detach(askAndExportBackup()); }

QCoro::Task<> BackupTransfer::askAndExportBackup() {
    if (!co_await unlockBeforeAsking(context_)) co_return;
    auto password = requestPassword(context_, text("Export Encrypted Backup", "Экспорт зашифрованной копии"),
                                    text("Choose a backup password.", "Укажите пароль резервной копии."));
    if (!password) co_return;
    const auto target = context_.ports().dialogs.chooseFileToSave(
        {text("Export Quorbit Backup", "Экспорт резервной копии Quorbit"), "Quorbit.quorbitbackup"});
    if (!target) co_return;
    // Read when the panel closes, so a setting changed just before applies.
    const BackupCipherSettings cipher = BackupCipherSettings::from(context_.viewModel().settings());
    co_await writeBackup(std::move(*password), *target, cipher);
}

QCoro::Task<> BackupTransfer::writeBackup(SecretBytes password, std::filesystem::path target,
                                          BackupCipherSettings cipher) {
    const QuorbitViewModelPorts& ports = context_.ports();
    auto job = [&ports, makeCrypto = ports.makeBackupCrypto, password = std::move(password), target, cipher] {
        const auto crypto = makeCrypto(cipher.iterations, cipher.saltBytes);
        const auto data = ExportBackup(ports.repository, ports.secretStore, ports.base32Encoder, *crypto, ports.clock)
                              .execute(password);
        ports.documentFiles.writeAtomically(target, data);
    };
    if (!co_await runUnlockedWrite(context_, std::move(job))) co_return;
    context_.viewModel().setStatusMessage(
        QString::fromStdString(text("Backup exported", "Резервная копия экспортирована")));
    co_await context_.recordEvent(SecurityEventKind::backupCreated, std::nullopt, std::nullopt,
                                  "Encrypted backup exported");
}

// --- import --------------------------------------------------------------------------------

void BackupTransfer::importEncryptedBackup() {
    const auto source = context_.ports().dialogs.chooseFileToOpen(
        {text("Import Quorbit Backup", "Импорт резервной копии Quorbit"), DialogPresenter::FileKind::anyFile});
    if (!source) return;
    auto password = requestPassword(context_, text("Import Encrypted Backup", "Импорт зашифрованной копии"),
                                    text("Enter the backup password.", "Введите пароль резервной копии."));
    if (!password) return;
    detach(importBackupFile(*source, std::move(*password)));
}

// The file is untrusted: it is read once, bounded, and opened on the worker. The bytes whose
// summary the user confirms are the bytes that get imported.
QCoro::Task<> BackupTransfer::importBackupFile(std::filesystem::path source, SecretBytes password) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    context_.viewModel().setStatusMessage(
        QString::fromStdString(text("Checking backup...", "Проверка резервной копии...")));
    const QuorbitViewModelPorts& ports = context_.ports();
    std::vector<std::uint8_t> data;
    BackupInfo info;
    try {
        auto job = [&ports, source, password] {
            std::vector<std::uint8_t> bytes = ImportBackup::readBackupFile(ports.documentFiles, source);
            BackupInfo read =
                ImportBackup(ports.repository, ports.secretStore, ports.base32Decoder, ports.backupCrypto, ports.clock)
                    .getBackupInfo(bytes, password);
            return std::make_pair(std::move(bytes), std::move(read));
        };
        std::tie(data, info) = co_await context_.worker().run(std::move(job));
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
        co_return;
    }
    if (!alive) co_return;
    context_.viewModel().setStatusMessage(std::nullopt);
    if (!confirmBackupImport(info)) co_return;
    co_await mergeConfirmedBackup(std::move(data), std::move(password));
}

QCoro::Task<> BackupTransfer::mergeConfirmedBackup(std::vector<std::uint8_t> data, SecretBytes password) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    const QuorbitViewModelPorts& ports = context_.ports();
    try {
        auto plan = [&ports, data = std::move(data), password = std::move(password)] {
            return ImportBackup(ports.repository, ports.secretStore, ports.base32Decoder, ports.backupCrypto,
                                ports.clock)
                .plan(data, password);
        };
        std::optional<std::vector<OtpAccount>> merged = co_await bulkImport_.run(std::move(plan));
        if (!alive || !merged) co_return;
        const std::vector<OtpAccount> imported = std::move(*merged);
        const std::string count = std::to_string(imported.size());
        co_await context_.recordEvent(SecurityEventKind::backupImported, std::nullopt, std::nullopt,
                                      "Imported " + count + " accounts from encrypted backup");
        if (!alive) co_return;
        std::vector<std::string> groups = context_.viewModel().accountGroups();
        for (const OtpAccount& account : imported) {
            groups.insert(groups.end(), account.tags.begin(), account.tags.end());
        }
        co_await context_.saveGroups(std::move(groups));
        co_await context_.reloadThrowing();
        if (!alive) co_return;
        context_.viewModel().setStatusMessage(
            QString::fromStdString(context_.localizer().importedTokens(static_cast<std::int64_t>(imported.size()))));
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
    }
}

bool BackupTransfer::confirmBackupImport(const BackupInfo& info) {
    // The check box only draws the eye to a weak backup; its state is not used.
    std::optional<std::string> lowIterationsWarning;
    if (info.iterations < lowIterations) lowIterationsWarning = text("Low iterations", "Слишком мало итераций!");
    return context_.ports()
        .dialogs
        .showAlert({
            .style = DialogPresenter::AlertStyle::informational,
            .message = text("Backup Information", "Информация о копии"),
            .informativeText = summaryText(info, context_.localizer().language()),
            .firstButton = text("Continue", "Продолжить"),
            .cancelButton = text("Cancel", "Отмена"),
            .checkBoxTitle = std::move(lowIterationsWarning),
            .checkBoxChecked = false,
        })
        .firstButtonChosen;
}

std::string BackupTransfer::summaryText(const BackupInfo& info, AppLanguage language) {
    const auto line = [language](std::string_view english, std::string_view russian, const std::string& value) {
        return pick(language, english, russian) + ": " + value;
    };
    return line("Created", "Создано", createdText(info.exportedAt)) + "\n" +
           line("Accounts", "Аккаунтов", std::to_string(info.accountCount)) + "\n" +
           line("Key Derivation", "Алгоритм", info.kdf) + "\n" +
           line("Iterations", "Итерации", std::to_string(info.iterations)) + "\n" +
           line("Salt", "Соль", std::to_string(info.saltBytes)) + " " +
           pick(language, "Salt Length (bytes)", "Длина соли (байт)");
}

}  // namespace quorbit
