#pragma once

#include <cstdint>

#include "application/settings/AppSettings.h"

namespace quorbit {

// The key derivation of a new backup: the stored settings brought within safe bounds,
// whatever the settings file holds.
struct BackupCipherSettings {
    static constexpr std::int64_t minIterations = 100'000;
    static constexpr std::int64_t maxIterations = 10'000'000;
    static constexpr std::int64_t minSaltBytes = 16;
    static constexpr std::int64_t maxSaltBytes = 1024;

    int iterations = static_cast<int>(minIterations);
    int saltBytes = static_cast<int>(minSaltBytes);

    static BackupCipherSettings from(const AppSettings& settings);

    bool operator==(const BackupCipherSettings&) const = default;
};

}  // namespace quorbit
