#include "ui/viewmodel/actions/DeleteAllAction.h"

#include <utility>

#include <QPointer>

#include "application/usecases/DeleteAllTokens.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"

namespace quorbit {
namespace {

using AlertStyle = DialogPresenter::AlertStyle;

void detach(QCoro::Task<> task) { (void)task; }

}  // namespace

DeleteAllAction::DeleteAllAction(ActionContext& context) : context_(context) {}

void DeleteAllAction::deleteAllTokensWithConfirmation() {
    auto text = [this](std::string_view english, std::string_view russian) {
        return context_.text(english, russian).toStdString();
    };
    const bool first = context_.confirm(AlertStyle::critical, text("Delete all tokens?", "Удалить все токены?"),
                                        text("This removes all account metadata and deletes all linked secrets "
                                             "from the system keyring.",
                                             "Удаляет все метаданные и секреты."),
                                        text("Continue", "Продолжить"), true);
    if (!first) return;
    const bool second =
        context_.confirm(AlertStyle::critical, text("Confirm permanent deletion", "Подтверждение удаления"),
                         text("This cannot be undone. Make an encrypted backup first if you may need these "
                              "tokens later.",
                              "Это действие необратимо."),
                         text("Delete All", "Удалить все"), true);
    if (second) detach(deleteAllTokens());
}

QCoro::Task<> DeleteAllAction::deleteAllTokens() {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    const QuorbitViewModelPorts& ports = context_.ports();
    try {
        co_await context_.ensureUnlocked(UnlockPurpose::deleteAccounts);
        auto job = [&ports] { DeleteAllTokens(ports.repository, ports.secretStore).execute(); };
        co_await context_.worker().run(std::move(job));
        if (!alive) co_return;
        context_.clearSecretCache();
        co_await context_.recordEvent(SecurityEventKind::accountDeletedPermanently, std::nullopt, std::nullopt,
                                      "All tokens deleted");
        if (!alive) co_return;
        co_await context_.reloadThrowing();
        if (!alive) co_return;
        context_.viewModel().setStatusMessage(context_.text("All tokens deleted", "Все токены удалены"));
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
    }
}

}  // namespace quorbit
