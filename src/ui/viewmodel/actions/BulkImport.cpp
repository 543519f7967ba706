#include "ui/viewmodel/actions/BulkImport.h"

#include <exception>
#include <utility>

#include <QPointer>

#include "application/ports/SecretStore.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"

namespace quorbit {

struct BulkImport::Running {
    std::atomic<bool> cancelled = false;
};

BulkImport::BulkImport(ActionContext& context, std::function<void()> runningChanged)
    : context_(context), runningChanged_(std::move(runningChanged)) {}

void BulkImport::cancel() {
    if (running_) running_->cancelled = true;
}

QCoro::Task<std::optional<std::vector<OtpAccount>>> BulkImport::run(std::function<PendingImport()> plan) {
    if (running_) co_return std::nullopt;
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    const std::shared_ptr<Running> running = std::make_shared<Running>();
    running_ = running;
    runningChanged_();
    const QuorbitViewModelPorts& ports = context_.ports();
    std::exception_ptr failure;
    std::optional<std::vector<OtpAccount>> added;
    try {
        auto check = [plan = std::move(plan)] { return std::make_shared<PendingImport>(plan()); };
        const std::shared_ptr<PendingImport> pending = co_await context_.worker().run(std::move(check));
        if (!alive) co_return std::nullopt;
        const bool allWritten = co_await writeSecretsInSlices(pending, running);
        if (allWritten) {
            auto save = [pending, &ports] { return pending->commit(ports.repository, ports.secretStore); };
            added = co_await context_.worker().run(std::move(save));
        } else {
            auto discard = [pending, &store = ports.secretStore] { pending->discard(store); };
            co_await context_.worker().run(std::move(discard));
        }
    } catch (const std::exception&) {
        failure = std::current_exception();
    }
    if (!alive) co_return std::nullopt;
    finish();
    if (failure) std::rethrow_exception(failure);
    if (!added) context_.viewModel().setStatusMessage(QString::fromStdString(context_.localizer().importCancelled()));
    co_return added;
}

// False when the import was cancelled; the secrets written so far are still in the store then.
// A slice that fails deletes them itself, in the same job.
QCoro::Task<bool> BulkImport::writeSecretsInSlices(std::shared_ptr<PendingImport> pending,
                                                   std::shared_ptr<Running> running) {
    SecretStore& store = context_.ports().secretStore;
    showProgress(*pending);
    while (!pending->allSecretsWritten() && !running->cancelled) {
        auto slice = [pending, running, &store] {
            const std::size_t first = pending->secretsWritten();
            const auto end = std::chrono::steady_clock::now() + sliceDuration;
            auto sliceOver = [&] {
                const std::size_t done = pending->secretsWritten() - first;
                return running->cancelled || done >= maxSecretsPerSlice ||
                       (done > 0 && std::chrono::steady_clock::now() >= end);
            };
            try {
                pending->writeSecrets(store, sliceOver);
            } catch (...) {
                pending->discard(store);
                throw;
            }
        };
        co_await context_.worker().run(std::move(slice));
        showProgress(*pending);
    }
    co_return !running->cancelled;
}

void BulkImport::showProgress(const PendingImport& pending) {
    context_.viewModel().setStatusMessage(QString::fromStdString(context_.localizer().importProgress(
        static_cast<std::int64_t>(pending.secretsWritten()), static_cast<std::int64_t>(pending.size()))));
}

void BulkImport::finish() {
    running_.reset();
    runningChanged_();
}

}  // namespace quorbit
