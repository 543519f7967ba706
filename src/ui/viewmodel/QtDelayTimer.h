#pragma once

#include <QObject>

#include <coroutine>
#include <map>

#include "ui/viewmodel/ports/DelayTimer.h"

class QTimer;

namespace quorbit {

// Waits on a single-shot QTimer of the GUI thread's event loop. Waits still pending when the
// timer goes end at once, so no waiting coroutine is left suspended, and leaked, at exit.
class QtDelayTimer final : public DelayTimer {
public:
    QtDelayTimer() = default;
    QtDelayTimer(const QtDelayTimer&) = delete;
    QtDelayTimer& operator=(const QtDelayTimer&) = delete;
    ~QtDelayTimer() override;

    QCoro::Task<> wait(std::chrono::milliseconds delay) override;

private:
    class Awaiter;
    void start(std::chrono::milliseconds delay, std::coroutine_handle<> waiter);

    QObject timers_;
    std::map<QTimer*, std::coroutine_handle<>> pending_;
};

}  // namespace quorbit
