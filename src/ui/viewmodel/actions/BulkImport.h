#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <qcoro/qcorotask.h>

#include "application/usecases/PendingImport.h"
#include "domain/OtpAccount.h"

namespace quorbit {

class ActionContext;

// Runs an import of many accounts as one job cut into slices of the serial worker: the
// check, then the secrets a slice at a time, then one save of the list. A copy or another
// change runs between two slices, never inside one, and the list is loaded again for the
// save, so what changed meanwhile is kept. Progress goes to the status line; a cancel, a
// failure or an ended run leaves no secret of the import without its account.
class BulkImport {
public:
    // A slice writes secrets for this long at most (one keyring write is about 13 ms), so a
    // click waits no longer than that for the worker.
    static constexpr std::chrono::milliseconds sliceDuration{50};
    // and no more than this many, so a fast store still lets other work in.
    static constexpr std::size_t maxSecretsPerSlice = 256;

    BulkImport(ActionContext& context, std::function<void()> runningChanged);

    bool isRunning() const noexcept { return running_ != nullptr; }
    // Stops the running import after the account being written; nothing stays imported.
    void cancel();

    // The accounts added, or nothing when the import was cancelled (the status line then says
    // so) or another import is running. `plan` runs on the worker; its errors and those of the
    // writes and the save are thrown, after the secrets written were deleted again.
    QCoro::Task<std::optional<std::vector<OtpAccount>>> run(std::function<PendingImport()> plan);

private:
    struct Running;

    QCoro::Task<bool> writeSecretsInSlices(std::shared_ptr<PendingImport> pending, std::shared_ptr<Running> running);
    void showProgress(const PendingImport& pending);
    void finish();

    ActionContext& context_;
    std::function<void()> runningChanged_;
    std::shared_ptr<Running> running_;
};

}  // namespace quorbit
