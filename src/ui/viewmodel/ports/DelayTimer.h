#pragma once

#include <chrono>

#include <qcoro/qcorotask.h>

namespace quorbit {

// The view model's short waits (panel placement, the copied mark); injectable so that tests
// never sleep.
class DelayTimer {
public:
    virtual ~DelayTimer() = default;
    virtual QCoro::Task<> wait(std::chrono::milliseconds delay) = 0;
};

}  // namespace quorbit
