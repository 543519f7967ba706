#include "application/SystemClock.h"

namespace quorbit {

TimePoint SystemClock::now() const { return std::chrono::system_clock::now(); }

}  // namespace quorbit
