#pragma once

#include "application/ports/Clock.h"

namespace quorbit {

// The system's wall clock.
class SystemClock final : public Clock {
public:
    TimePoint now() const override;
};

}  // namespace quorbit
