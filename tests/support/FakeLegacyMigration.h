#pragma once

#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

#include "application/ports/LegacyMigrationService.h"
#include "domain/QuorbitError.h"

namespace quorbit::test {

// Counts the takeovers; each returns the given list or fails with the given error.
class FakeLegacyMigration final : public LegacyMigrationService {
public:
    std::vector<OtpAccount> migrateIfNeeded() override {
        std::lock_guard lock(mutex_);
        ++runCount_;
        if (error_) throw *error_;
        return accounts_;
    }

    void failWith(std::optional<QuorbitError> error) {
        std::lock_guard lock(mutex_);
        error_ = std::move(error);
    }
    int runCount() const {
        std::lock_guard lock(mutex_);
        return runCount_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<OtpAccount> accounts_;
    std::optional<QuorbitError> error_;
    int runCount_ = 0;
};

}  // namespace quorbit::test
