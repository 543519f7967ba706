#pragma once

#include <atomic>
#include <chrono>

#include "application/ports/Clock.h"

namespace quorbit::test {

// A clock that stands still until a test moves it. Safe to read from other threads.
class FakeClock final : public Clock {
public:
    explicit FakeClock(TimePoint start = TimePoint(std::chrono::seconds(1'700'000'000))) : now_(start) {}

    TimePoint now() const override { return now_.load(); }
    void set(TimePoint time) { now_.store(time); }
    void advance(std::chrono::system_clock::duration by) { now_.store(now_.load() + by); }

private:
    std::atomic<TimePoint> now_;
};

}  // namespace quorbit::test
