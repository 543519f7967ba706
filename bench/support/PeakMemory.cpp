#include "support/PeakMemory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace quorbit::bench {
namespace {

// A "VmRSS:" or "VmHWM:" line of /proc/self/status, in bytes.
std::optional<std::size_t> statusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (!line.starts_with(field)) continue;
        std::istringstream value(line.substr(field.size()));
        std::size_t kibibytes = 0;
        if (value >> kibibytes) return kibibytes * 1024;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::size_t> PeakMemory::growthDuring(const std::function<void()>& work) {
    // "5" resets the high-water mark to the present resident size.
    std::ofstream clear("/proc/self/clear_refs");
    if (!(clear << "5" << std::flush)) return std::nullopt;
    const auto before = statusBytes("VmRSS:");
    work();
    const auto peak = statusBytes("VmHWM:");
    if (!before || !peak) return std::nullopt;
    return *peak > *before ? *peak - *before : 0;
}

}  // namespace quorbit::bench
