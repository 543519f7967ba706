#include "ui/viewmodel/QtDelayTimer.h"

#include <qcoro/qcorotimer.h>

namespace quorbit {

QCoro::Task<> QtDelayTimer::wait(std::chrono::milliseconds delay) { co_await QCoro::sleepFor(delay); }

}  // namespace quorbit
