#include "support/ui/FakeDelayTimer.h"

namespace quorbit::test {

QCoro::Task<> FakeDelayTimer::wait(std::chrono::milliseconds delay) {
    requested_.push_back(delay);
    if (held_) co_await Pending{*this};
}

void FakeDelayTimer::elapse() {
    auto waiting = std::move(pending_);
    pending_.clear();
    for (auto handle : waiting) handle.resume();
}

void FakeDelayTimer::elapseOldest() {
    if (pending_.empty()) return;
    const auto oldest = pending_.front();
    pending_.erase(pending_.begin());
    oldest.resume();
}

}  // namespace quorbit::test
