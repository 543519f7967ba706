#include "ui/viewmodel/actions/Exports.h"

#include <utility>

#include <QPointer>

#include "application/ports/DocumentFiles.h"
#include "application/usecases/CreateRecoveryKit.h"
#include "application/usecases/ExportBackup.h"
#include "application/usecases/ExportOtpAuthURIs.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"
#include "ui/viewmodel/actions/BackupTransfer.h"
#include "ui/viewmodel/actions/UnlockedWrite.h"

namespace quorbit {
namespace {

using AlertStyle = DialogPresenter::AlertStyle;

void detach(QCoro::Task<> task) { (void)task; }

}  // namespace

Exports::Exports(ActionContext& context) : context_(context) {}

std::string Exports::text(std::string_view english, std::string_view russian) const {
    return std::string(localized(context_.localizer().language(), english, russian));
}

// --- plain export --------------------------------------------------------------------------

void Exports::exportOtpAuthURIs() { detach(askAndExportOtpAuthURIs()); }

QCoro::Task<> Exports::askAndExportOtpAuthURIs() {
    if (!co_await unlockBeforeAsking(context_)) co_return;
    const bool confirmed = context_.confirm(
        AlertStyle::warning, text("Export unencrypted otpauth URIs?", "Экспорт расшифрованных URI?"),
        text("This file contains live authenticator secrets in plain text. Anyone with the file can generate your "
             "2FA codes. Use encrypted backup unless you explicitly need standard URIs.",
             "Внимание: секреты будут сохранены в открытом виде."),
        text("Export", "Экспорт"));
    if (!confirmed) co_return;
    const auto target = context_.ports().dialogs.chooseFileToSave(
        {text("Export otpauth URIs", "Экспорт otpauth URI"), "Quorbit-otpauth.txt"});
    if (target) co_await writeOtpAuthURIs(*target);
}

QCoro::Task<> Exports::writeOtpAuthURIs(std::filesystem::path target) {
    const QuorbitViewModelPorts& ports = context_.ports();
    auto job = [&ports, target] {
        const SecretBytes fileText = ExportOtpAuthURIs::fileText(
            ExportOtpAuthURIs(ports.repository, ports.secretStore, ports.base32Encoder, ports.parser).execute());
        ports.documentFiles.writeAtomically(target, fileText.view());
    };
    if (!co_await runUnlockedWrite(context_, std::move(job))) co_return;
    context_.viewModel().setStatusMessage(
        QString::fromStdString(text("Standard export saved", "Стандартный экспорт сохранен")));
}

// --- selective export ----------------------------------------------------------------------

void Exports::exportSelectedAccounts(std::set<Uuid> accountIds) {
    if (accountIds.empty()) {
        context_.viewModel().setStatusMessage(
            QString::fromStdString(text("No accounts selected.", "Не выбрано ни одного аккаунта.")));
        return;
    }
    detach(askAndExportSelected(std::move(accountIds)));
}

QCoro::Task<> Exports::askAndExportSelected(std::set<Uuid> accountIds) {
    if (!co_await unlockBeforeAsking(context_)) co_return;
    const bool confirmed = context_.confirm(
        AlertStyle::warning, text("Before selective export", "Перед выборочным экспортом"),
        text("Export contains encrypted data for selected accounts. Save and transfer the file only to a "
             "trusted location.",
             "Экспорт содержит зашифрованные данные выбранных аккаунтов. Передавайте файл только в "
             "безопасное место."),
        text("Continue", "Продолжить"));
    if (!confirmed) co_return;
    auto password = BackupTransfer::requestPassword(
        context_, text("Export Selected", "Экспорт выбранных"),
        text("Export selected accounts to a backup file.", "Экспорт выбранных аккаунтов в резервную копию."));
    if (!password) co_return;
    const auto target = context_.ports().dialogs.chooseFileToSave(
        {text("Export Selected", "Экспорт выбранных"), "Quorbit.quorbitbackup"});
    if (!target) co_return;
    const BackupCipherSettings cipher = BackupCipherSettings::from(context_.viewModel().settings());
    co_await writeSelectedAccounts(std::move(accountIds), std::move(*password), *target, cipher);
}

QCoro::Task<> Exports::writeSelectedAccounts(std::set<Uuid> accountIds, SecretBytes password,
                                             std::filesystem::path target, BackupCipherSettings cipher) {
    const QuorbitViewModelPorts& ports = context_.ports();
    const std::size_t requested = accountIds.size();
    auto job = [&ports, makeCrypto = ports.makeBackupCrypto, accountIds = std::move(accountIds),
                password = std::move(password), target, cipher] {
        const auto crypto = makeCrypto(cipher.iterations, cipher.saltBytes);
        const auto data = ExportBackup(ports.repository, ports.secretStore, ports.base32Encoder, *crypto, ports.clock)
                              .execute(password, accountIds);
        ports.documentFiles.writeAtomically(target, data);
    };
    if (!co_await runUnlockedWrite(context_, std::move(job))) co_return;
    context_.viewModel().setStatusMessage(
        QString::fromStdString(text("Backup exported", "Резервная копия экспортирована")));
    // The count is of the ids asked for, whether or not each still names an account.
    co_await context_.recordEvent(SecurityEventKind::selectedAccountsExported, std::nullopt, std::nullopt,
                                  "Exported " + std::to_string(requested) + " selected accounts");
}

// --- Recovery Kit --------------------------------------------------------------------------

void Exports::createRecoveryKit(std::filesystem::path destination) {
    detach(askAndCreateRecoveryKit(std::move(destination)));
}

QCoro::Task<> Exports::askAndCreateRecoveryKit(std::filesystem::path destination) {
    if (!co_await unlockBeforeAsking(context_)) co_return;
    const bool confirmed = context_.confirm(
        AlertStyle::warning, text("Before creating Recovery Kit", "Перед созданием Recovery Kit"),
        text("Recovery Kit contains an encrypted backup. Store it separately from your computer and keep "
             "the password safe. Without it, recovery is impossible.",
             "Recovery Kit содержит зашифрованную резервную копию. Храните его отдельно от компьютера и не "
             "забывайте пароль — без него восстановление невозможно."),
        text("Continue", "Продолжить"));
    if (!confirmed) co_return;
    auto password =
        BackupTransfer::requestPassword(context_, text("Create Recovery Kit", "Создать набор для восстановления"),
                                        text("Choose a backup password.", "Укажите пароль резервной копии."));
    if (!password) co_return;
    const BackupCipherSettings cipher = BackupCipherSettings::from(context_.viewModel().settings());
    co_await writeRecoveryKit(std::move(destination), std::move(*password), cipher);
}

QCoro::Task<> Exports::writeRecoveryKit(std::filesystem::path destination, SecretBytes password,
                                        BackupCipherSettings cipher) {
    const QuorbitViewModelPorts& ports = context_.ports();
    auto job = [&ports, makeCrypto = ports.makeBackupCrypto, destination, password = std::move(password), cipher] {
        const auto crypto = makeCrypto(cipher.iterations, cipher.saltBytes);
        CreateRecoveryKit(ports.repository, ports.secretStore, ports.base32Encoder, *crypto, ports.clock,
                          ports.documentFiles)
            .execute(password, destination);
    };
    if (!co_await runUnlockedWrite(context_, std::move(job))) co_return;
    context_.viewModel().setStatusMessage(
        QString::fromStdString(text("Recovery Kit successfully created.", "Набор для восстановления успешно создан.")));
    co_await context_.recordEvent(SecurityEventKind::recoveryKitCreated, std::nullopt, std::nullopt,
                                  "Recovery Kit created successfully");
}

}  // namespace quorbit
