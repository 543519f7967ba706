#pragma once

#include "domain/TimePoint.h"

namespace quorbit {

// The current time; replaceable so that time-outs and stamps can be tested.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
};

}  // namespace quorbit
