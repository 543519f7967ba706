#include "ui/viewmodel/actions/AccountActions.h"

#include <utility>

#include <QPointer>

#include "application/usecases/AdvanceHotpCounter.h"
#include "application/usecases/DeleteAccountPermanently.h"
#include "application/usecases/MarkFavorite.h"
#include "application/usecases/MoveToTrash.h"
#include "application/usecases/RestoreAccount.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"

namespace quorbit {
namespace {

// A use case made of the account list and the clock, run on one account.
template <typename UseCase>
std::function<void(const QuorbitViewModelPorts&)> onAccount(Uuid id) {
    return [id](const QuorbitViewModelPorts& ports) { UseCase(ports.repository, ports.clock).execute(id); };
}

}  // namespace

AccountActions::AccountActions(ActionContext& context) : context_(context) {}

QCoro::Task<> AccountActions::toggleFavorite(OtpAccount account) {
    auto useCase = [id = account.id, isFavorite = !account.isFavorite](const QuorbitViewModelPorts& ports) {
        MarkFavorite(ports.repository, ports.clock).execute(id, isFavorite);
    };
    Action action{std::move(useCase), std::nullopt, std::nullopt, false};
    co_await perform(std::move(account), std::move(action));
}

QCoro::Task<> AccountActions::advanceHotpCounter(OtpAccount account) {
    Action action{onAccount<AdvanceHotpCounter>(account.id),
                  std::pair{"HOTP counter advanced", "HOTP счетчик увеличен"}, std::nullopt, false};
    co_await perform(std::move(account), std::move(action));
}

QCoro::Task<> AccountActions::moveToTrash(OtpAccount account) {
    Action action{onAccount<MoveToTrash>(account.id), std::pair{"Moved to Trash", "Перемещено в корзину"},
                  std::pair{SecurityEventKind::accountMovedToTrash, "Account moved to trash"}, false};
    co_await perform(std::move(account), std::move(action));
}

QCoro::Task<> AccountActions::restore(OtpAccount account) {
    Action action{onAccount<RestoreAccount>(account.id), std::pair{"Restored", "Восстановлено"},
                  std::pair{SecurityEventKind::accountRestored, "Account restored"}, false};
    co_await perform(std::move(account), std::move(action));
}

QCoro::Task<> AccountActions::deletePermanently(OtpAccount account) {
    auto useCase = [id = account.id](const QuorbitViewModelPorts& ports) {
        DeleteAccountPermanently(ports.repository, ports.secretStore).execute(id);
    };
    Action action{std::move(useCase), std::pair{"Deleted", "Удалено"},
                  std::pair{SecurityEventKind::accountDeletedPermanently, "Account permanently deleted"}, true};
    co_await perform(std::move(account), std::move(action));
}

// The use case is one job on the worker; its event follows it at once, so a failing reload
// cannot hide a change that was saved. Only a deletion needs the vault unlocked beforehand.
QCoro::Task<> AccountActions::perform(OtpAccount account, Action action) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    const QuorbitViewModelPorts& ports = context_.ports();
    try {
        if (action.deletesAccount) co_await context_.ensureUnlocked(UnlockPurpose::deleteAccounts);
        auto job = [&ports, useCase = std::move(action.useCase)] { useCase(ports); };
        co_await context_.worker().run(std::move(job));
        if (!alive) co_return;
        if (action.deletesAccount) context_.forgetSecret(account.secretRef);
        if (action.event) {
            co_await context_.recordEvent(action.event->first, account.id, account.label(), action.event->second);
            if (!alive) co_return;
        }
        co_await context_.reloadThrowing();
        if (!alive) co_return;
        if (!action.status) co_return;
        context_.viewModel().setStatusMessage(context_.text(action.status->first, action.status->second));
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
    }
}

}  // namespace quorbit
