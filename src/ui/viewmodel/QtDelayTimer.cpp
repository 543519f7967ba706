#include "ui/viewmodel/QtDelayTimer.h"

#include <QTimer>

namespace quorbit {

class QtDelayTimer::Awaiter {
public:
    Awaiter(QtDelayTimer& owner, std::chrono::milliseconds delay) : owner_(owner), delay_(delay) {}
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> waiter) { owner_.start(delay_, waiter); }
    void await_resume() const noexcept {}

private:
    QtDelayTimer& owner_;
    std::chrono::milliseconds delay_;
};

QtDelayTimer::~QtDelayTimer() {
    // Resumed waiters may start new waits; those end here too.
    while (!pending_.empty()) {
        const auto [timer, waiter] = *pending_.begin();
        pending_.erase(pending_.begin());
        delete timer;
        waiter.resume();
    }
}

QCoro::Task<> QtDelayTimer::wait(std::chrono::milliseconds delay) { co_await Awaiter(*this, delay); }

void QtDelayTimer::start(std::chrono::milliseconds delay, std::coroutine_handle<> waiter) {
    auto* timer = new QTimer(&timers_);
    timer->setSingleShot(true);
    pending_.emplace(timer, waiter);
    QObject::connect(timer, &QTimer::timeout, &timers_, [this, timer] {
        const auto found = pending_.find(timer);
        if (found == pending_.end()) return;
        const std::coroutine_handle<> due = found->second;
        pending_.erase(found);
        timer->deleteLater();
        due.resume();
    });
    timer->start(delay);
}

}  // namespace quorbit
