#pragma once

#include "ui/viewmodel/DelayTimer.h"

namespace quorbit {

// Waits on a single-shot QTimer of the GUI thread's event loop.
class QtDelayTimer final : public DelayTimer {
public:
    QCoro::Task<> wait(std::chrono::milliseconds delay) override;
};

}  // namespace quorbit
