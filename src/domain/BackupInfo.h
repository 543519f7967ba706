#pragma once

#include <cstdint>
#include <string>

#include "domain/TimePoint.h"

namespace quorbit {

// What the user sees of a backup before importing it.
struct BackupInfo {
    TimePoint exportedAt;
    std::int64_t accountCount = 0;
    std::string kdf;
    std::int64_t iterations = 0;
    std::int64_t saltBytes = 0;
    std::int64_t version = 0;

    bool operator==(const BackupInfo&) const = default;
};

}  // namespace quorbit
