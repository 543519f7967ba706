#pragma once

#include <cstddef>
#include <functional>
#include <optional>

namespace quorbit::bench {

// How far this process's resident memory rose above where it stood while `work` ran, read
// from the kernel's high-water mark (Linux). No value when /proc cannot tell.
class PeakMemory {
public:
    static std::optional<std::size_t> growthDuring(const std::function<void()>& work);
};

}  // namespace quorbit::bench
