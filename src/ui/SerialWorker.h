#pragma once

#include <atomic>
#include <chrono>
#include <exception>
#include <memory>
#include <type_traits>
#include <utility>

#include <QException>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>
#include <qcoro/qcorotask.h>

#include "application/CancellationToken.h"

namespace quorbit {

// The one thread on which every blocking port call runs, one job after the other, so that a
// load-change-save never interleaves with another and the GUI thread never waits on a disk,
// the keyring or a key derivation.
class SerialWorker {
public:
    // Thrown into a job's awaiter that resumes after the worker is gone. It is no std::exception,
    // so that no handler of its owner, which is gone too, runs: the awaiting coroutines unwind.
    struct Stopped {};

    SerialWorker();
    ~SerialWorker();  // waits for the job that is running; queued ones still run first, unless stopped

    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    // Set by stop(). A job that loops over many items (an import's accounts) asks it between
    // items and stops where what it saved is consistent; jobs take a copy of the token.
    const CancellationToken& cancellation() const { return cancellation_; }
    bool cancellationRequested() const { return cancellation_.cancellationRequested(); }

    // For the end of the program: drops the jobs not started yet, asks the running one to stop
    // and waits for it at most `bound`. False when it still runs then (a keyring prompt that
    // nobody answers, a job that does not ask for cancellation).
    bool stop(std::chrono::milliseconds bound);

    // The job's result, awaited without blocking. Whatever the job throws reaches the awaiting
    // coroutine as itself: QtConcurrent's wrapping of non-QException errors is undone here.
    template <typename Job>
    auto run(Job job) -> QCoro::Task<std::invoke_result_t<Job>> {
        using Result = std::invoke_result_t<Job>;
        QFuture<Result> future = QtConcurrent::run(&pool_, std::move(job));
        const std::shared_ptr<const std::atomic<bool>> alive = alive_;
        try {
            co_await QFuture<void>(future);
        } catch (...) {
            // the job's own error is rethrown below, unless the worker is gone
        }
        if (!*alive) throw Stopped{};
        try {
            if constexpr (std::is_void_v<Result>) {
                future.waitForFinished();
            } else {
                co_return future.result();
            }
        } catch (const QUnhandledException& wrapped) {
            if (wrapped.exception()) std::rethrow_exception(wrapped.exception());
            throw;
        }
    }

private:
    std::shared_ptr<std::atomic<bool>> alive_ = std::make_shared<std::atomic<bool>>(true);
    CancellationToken cancellation_;
    QThreadPool pool_;
};

}  // namespace quorbit
