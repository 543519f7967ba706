#pragma once

#include <exception>
#include <utility>

#include <QPointer>

#include <qcoro/qcorotask.h>

#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"

namespace quorbit {

// The first step of an export: the owner is asked before anything else, so that no password
// is typed and no file chosen for an export that is then refused. False when refused, the
// refusal then on the status line, or when the view model went meanwhile.
inline QCoro::Task<bool> unlockBeforeAsking(ActionContext& context) {
    const QPointer<QuorbitViewModel> alive(&context.viewModel());
    try {
        co_await context.ensureUnlocked(UnlockPurpose::exportAccounts);
    } catch (const std::exception& error) {
        if (alive) context.reportError(error);
        co_return false;
    }
    co_return !alive.isNull();
}

// The road of every export: unlock (again, when it ended while the user answered), then the
// job that reads the secrets and writes the file, on the worker. False when it failed, the
// error then on the status line, or when the view model went meanwhile; either way the
// caller reports nothing more.
template <typename Job>
QCoro::Task<bool> runUnlockedWrite(ActionContext& context, Job job) {
    const QPointer<QuorbitViewModel> alive(&context.viewModel());
    try {
        co_await context.ensureUnlocked(UnlockPurpose::exportAccounts);
        co_await context.worker().run(std::move(job));
    } catch (const std::exception& error) {
        if (alive) context.reportError(error);
        co_return false;
    }
    co_return !alive.isNull();
}

}  // namespace quorbit
