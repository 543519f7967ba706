#include "ui/viewmodel/QtDelayTimer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>

namespace quorbit {
namespace {

using namespace std::chrono_literals;

QCoro::Task<> waitThenMark(DelayTimer& delays, std::chrono::milliseconds delay, bool& ended) {
    co_await delays.wait(delay);
    ended = true;
}

TEST(QtDelayTimerTest, AWaitEndsWhenItsTimeIsUp) {
    QtDelayTimer delays;
    bool ended = false;
    (void)waitThenMark(delays, 1ms, ended);
    QElapsedTimer clock;
    clock.start();
    while (!ended && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(ended);
}

// A wait pending at exit would otherwise leave its coroutine suspended for ever, and leaked.
TEST(QtDelayTimerTest, WaitsStillPendingEndWhenTheTimerGoes) {
    auto delays = std::make_unique<QtDelayTimer>();
    bool first = false, second = false;
    (void)waitThenMark(*delays, 1h, first);
    (void)waitThenMark(*delays, 2h, second);

    delays.reset();

    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
}

}  // namespace
}  // namespace quorbit
