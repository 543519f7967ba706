#pragma once

#include <chrono>

namespace quorbit {

using TimePoint = std::chrono::system_clock::time_point;

}  // namespace quorbit
