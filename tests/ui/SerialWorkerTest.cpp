#include "ui/SerialWorker.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "domain/QuorbitError.h"

namespace quorbit {
namespace {

TEST(SerialWorkerTest, RunsJobsOneAtATimeInOrderOffTheGuiThread) {
    SerialWorker worker;
    std::atomic<int> running{0};
    std::atomic<bool> overlapped{false};
    std::mutex mutex;
    std::vector<int> order;
    std::vector<QCoro::Task<bool>> tasks;
    for (int job = 0; job < 8; ++job) {
        tasks.push_back(worker.run([&, job] {
            if (running.fetch_add(1) > 0) overlapped = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            {
                const std::lock_guard lock(mutex);
                order.push_back(job);
            }
            running.fetch_sub(1);
            return QThread::currentThread() != QCoreApplication::instance()->thread();
        }));
    }
    for (auto& task : tasks) EXPECT_TRUE(QCoro::waitFor(task));
    EXPECT_FALSE(overlapped);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

// QCoro's waitFor never returns when the awaited task throws, so the error is caught inside
// a coroutine of our own.
template <typename T>
QCoro::Task<std::optional<QuorbitError>> errorOf(QCoro::Task<T> task) {
    try {
        co_await task;
    } catch (const QuorbitError& error) {
        co_return error;
    } catch (...) {
        ADD_FAILURE() << "not a QuorbitError";
    }
    co_return std::nullopt;
}

// Callers catch QuorbitError, whatever QtConcurrent does with exceptions on the way.
TEST(SerialWorkerTest, AJobsErrorReachesTheAwaitingCoroutineAsItself) {
    SerialWorker worker;
    const auto failingValue = []() -> int { throw QuorbitError(QuorbitError::Case::keychainAccessDenied); };
    const auto failingVoid = [] { throw QuorbitError::persistenceFailure("disk full"); };
    const auto valueError = QCoro::waitFor(errorOf(worker.run(failingValue)));
    ASSERT_TRUE(valueError.has_value());
    EXPECT_EQ(valueError->errorCase(), QuorbitError::Case::keychainAccessDenied);
    const auto voidError = QCoro::waitFor(errorOf(worker.run(failingVoid)));
    ASSERT_TRUE(voidError.has_value());
    EXPECT_EQ(voidError->errorCase(), QuorbitError::Case::persistenceFailure);
    EXPECT_EQ(voidError->detail(), "disk full");
    EXPECT_EQ(QCoro::waitFor(worker.run([] { return 42; })), 42);  // the worker goes on after a failure
}

// The owner of a worker may be destroyed while one of its coroutines awaits a job: that
// coroutine must not resume into the destroyed owner, not even into its error handlers.
TEST(SerialWorkerTest, AnAwaiterResumedAfterTheWorkerIsGoneRunsNoFurther) {
    bool resumed = false;
    bool handled = false;
    std::optional<SerialWorker> worker(std::in_place);
    const auto owner = [&]() -> QCoro::Task<> {
        try {
            co_await worker->run([] { std::this_thread::sleep_for(std::chrono::milliseconds(5)); });
            resumed = true;
        } catch (const std::exception&) {
            handled = true;
        }
    };
    QCoro::Task<> awaiting = owner();
    worker.reset();
    QTest::qWait(50);
    EXPECT_FALSE(resumed);
    EXPECT_FALSE(handled);
}

// The end of the run: jobs not started are dropped, the running one is asked to stop, and the
// wait for it has a bound whether it stops or not.
TEST(SerialWorkerTest, StoppingDropsQueuedJobsAndWaitsForTheRunningOneOnlySoLong) {
    using namespace std::chrono_literals;
    std::atomic<bool> started{false};
    std::atomic<bool> released{false};
    std::atomic<bool> queuedRan{false};
    {
        SerialWorker worker;
        QCoro::Task<> stubborn = worker.run([&] {
            started = true;
            while (!released) std::this_thread::sleep_for(1ms);
        });
        QCoro::Task<> queued = worker.run([&] { queuedRan = true; });
        while (!started) std::this_thread::sleep_for(1ms);
        EXPECT_FALSE(worker.stop(50ms)) << "a job that does not ask outlasts the bound";
        EXPECT_TRUE(worker.cancellationRequested());
        released = true;
    }
    EXPECT_FALSE(queuedRan);

    SerialWorker worker;
    started = false;
    QCoro::Task<> looping = worker.run([&started, cancellation = worker.cancellation()] {
        started = true;
        while (!cancellation.cancellationRequested()) std::this_thread::sleep_for(1ms);
    });
    while (!started) std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(worker.stop(10s)) << "a job that asks between its steps stops";
}

}  // namespace
}  // namespace quorbit
