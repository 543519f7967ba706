#include "ui/viewmodel/actions/CodeCopying.h"

#include <algorithm>
#include <utility>

#include <QPointer>

#include "application/VisibleAccounts.h"
#include "application/ports/ClipboardService.h"
#include "application/ports/TokenRepository.h"
#include "application/usecases/AccountChange.h"
#include "application/usecases/UseCurrentCode.h"
#include "domain/QuorbitError.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"
#include "ui/viewmodel/ports/DelayTimer.h"

namespace quorbit {
namespace {

void detach(QCoro::Task<> task) { (void)task; }

[[noreturn]] void failLocked() { throw QuorbitError(QuorbitError::Case::locked); }

}  // namespace

CodeCopying::CodeCopying(ActionContext& context) : context_(context) {}

std::vector<AccountFilterSelection> CodeCopying::availableFilters() const {
    const QuorbitViewModel& viewModel = context_.viewModel();
    std::vector<AccountFilterSelection> filters{AccountFilterSelection::all(), AccountFilterSelection::favorites(),
                                                AccountFilterSelection::recent()};
    if (viewModel.settings().showTrashedTokens) filters.push_back(AccountFilterSelection::trash());
    for (const std::string& group : viewModel.accountGroups()) filters.push_back(AccountFilterSelection::tag(group));
    return filters;
}

std::vector<OtpAccount> CodeCopying::visibleAccounts() const {
    const QuorbitViewModel& viewModel = context_.viewModel();
    return quorbit::visibleAccounts(search_, viewModel.accounts(), viewModel.query().toStdString(),
                                    viewModel.settings());
}

QCoro::Task<> CodeCopying::primaryAction(OtpAccount account) {
    if (!account.isTrashed() && context_.viewModel().settings().copyCodeOnClick) {
        co_await copyCode(std::move(account));
    } else {
        toggleCodeVisibility(account);
    }
}

void CodeCopying::toggleCodeVisibility(const OtpAccount& account) {
    std::set<Uuid> revealed = context_.viewModel().revealedAccountIDs();
    if (!revealed.erase(account.id)) revealed.insert(account.id);
    context_.setRevealedAccountIDs(std::move(revealed));
}

// The code reaches the clipboard only when nothing locked the vault on the way. Its event is
// recorded before the reload, so a failing reload cannot hide a copy that happened; such a
// failure keeps the panel open and the mark on the row.
QCoro::Task<> CodeCopying::copyCode(OtpAccount account) {
    if (!context_.ensureKeychainTrustMessageAccepted()) co_return;
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    bool reloaded = false;
    try {
        const std::string code = co_await stampAndSaveCode(account.id);
        if (!alive) co_return;
        showCopied(account.id, code);
        co_await context_.recordEvent(SecurityEventKind::codeCopied, account.id, account.label(), "Code copied");
        if (!alive) co_return;
        co_await context_.reloadThrowing();
        reloaded = !alive.isNull();
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
    }
    if (!reloaded) co_return;
    if (context_.viewModel().settings().closeMenuAfterCopy) context_.closePanel();
    detach(clearCopiedMarkLater(account.id));
}

// Unlocks, reads the secret of the stored account and stamps its use; throws `locked` when the
// vault was locked on the way (after the save, the stamp stays but no code is handed out).
QCoro::Task<std::string> CodeCopying::stampAndSaveCode(Uuid accountId) {
    co_await context_.ensureUnlocked();
    const std::uint64_t generation = context_.lockGeneration();
    const QuorbitViewModelPorts& ports = context_.ports();
    auto findSecretRef = [&repository = ports.repository, accountId] {
        std::vector<OtpAccount> accounts = repository.loadAccounts();
        return AccountChange::find(accounts, accountId)->secretRef;
    };
    const OtpSecretRef secretRef = co_await context_.worker().run(std::move(findSecretRef));
    const SecretBytes secret = co_await context_.loadSecretCached(secretRef);
    if (generation != context_.lockGeneration()) failLocked();
    auto use = [&ports, accountId, secretRef, secret] {
        return UseCurrentCode(ports.repository, ports.generator, ports.clock).execute(accountId, secretRef, secret);
    };
    std::string code = co_await context_.worker().run(std::move(use));
    if (generation != context_.lockGeneration()) failLocked();
    co_return code;
}

void CodeCopying::showCopied(const Uuid& accountId, const std::string& code) {
    QuorbitViewModel& viewModel = context_.viewModel();
    const AppSettings& settings = viewModel.settings();
    context_.ports().clipboard.copyEphemeral(code, seconds(settings.clipboardClear));
    context_.setCopiedAccountID(accountId);
    std::set<Uuid> revealed = viewModel.revealedAccountIDs();
    revealed.insert(accountId);
    context_.setRevealedAccountIDs(std::move(revealed));
    context_.showCodeInStatus(QString::fromStdString(context_.localizer().copied(format(settings.codeFormat, code))));
}

// A later copy owns the mark: this one then leaves it alone.
QCoro::Task<> CodeCopying::clearCopiedMarkLater(Uuid accountId) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    co_await context_.ports().delays.wait(copiedMarkDuration);
    if (alive && alive->copiedAccountID() == accountId) context_.setCopiedAccountID(std::nullopt);
}

std::optional<OtpAccount> CodeCopying::quickAccessAccount() const {
    const std::vector<OtpAccount>& accounts = context_.viewModel().accounts();
    const OtpAccount* lastUsed = nullptr;
    for (const OtpAccount& account : accounts) {
        if (account.isTrashed() || !account.lastUsedAt) continue;
        if (!lastUsed || *account.lastUsedAt > *lastUsed->lastUsedAt) lastUsed = &account;
    }
    if (lastUsed) return *lastUsed;
    const std::vector<OtpAccount> visible = visibleAccounts();
    const auto first = std::ranges::find_if(visible, [](const OtpAccount& account) { return !account.isTrashed(); });
    if (first == visible.end()) return std::nullopt;
    return *first;
}

QCoro::Task<> CodeCopying::copyQuickAccessCode() {
    if (std::optional<OtpAccount> account = quickAccessAccount()) {
        co_await copyCode(std::move(*account));
        co_return;
    }
    context_.viewModel().setStatusMessage(context_.text("No active account is available for quick copy.",
                                                        "Нет активного аккаунта для быстрого копирования."));
}

}  // namespace quorbit
