#pragma once

#include <exception>
#include <type_traits>
#include <utility>

#include <QException>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>
#include <qcoro/qcorotask.h>

namespace quorbit {

// The one thread on which every blocking port call runs, one job after the other, so that a
// load-change-save never interleaves with another and the GUI thread never waits on a disk,
// the keyring or a key derivation.
class SerialWorker {
public:
    SerialWorker();
    ~SerialWorker();  // waits for the job that is running; queued ones still run first

    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    // The job's result, awaited without blocking. Whatever the job throws reaches the awaiting
    // coroutine as itself: QtConcurrent's wrapping of non-QException errors is undone here.
    template <typename Job>
    auto run(Job job) -> QCoro::Task<std::invoke_result_t<Job>> {
        using Result = std::invoke_result_t<Job>;
        QFuture<Result> future = QtConcurrent::run(&pool_, std::move(job));
        try {
            if constexpr (std::is_void_v<Result>) {
                co_await future;
            } else {
                co_return co_await future;
            }
        } catch (const QUnhandledException& wrapped) {
            if (wrapped.exception()) std::rethrow_exception(wrapped.exception());
            throw;
        }
    }

private:
    QThreadPool pool_;
};

}  // namespace quorbit
