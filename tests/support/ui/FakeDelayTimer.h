#pragma once

#include <chrono>
#include <coroutine>
#include <vector>

#include "ui/viewmodel/ports/DelayTimer.h"

namespace quorbit::test {

// Waits end at once, or, once held, only when the test calls `elapse()`. Every requested
// delay is recorded.
class FakeDelayTimer final : public DelayTimer {
public:
    QCoro::Task<> wait(std::chrono::milliseconds delay) override;

    void hold(bool held) { held_ = held; }
    // Ends every wait that is pending now.
    void elapse();
    // Ends only the wait that started first.
    void elapseOldest();
    const std::vector<std::chrono::milliseconds>& requested() const { return requested_; }
    std::size_t pending() const { return pending_.size(); }

private:
    struct Pending {
        FakeDelayTimer& timer;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) { timer.pending_.push_back(handle); }
        void await_resume() const noexcept {}
    };

    bool held_ = false;
    std::vector<std::chrono::milliseconds> requested_;
    std::vector<std::coroutine_handle<>> pending_;
};

}  // namespace quorbit::test
