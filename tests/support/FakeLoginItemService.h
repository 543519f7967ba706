#pragma once

#include <mutex>
#include <optional>
#include <vector>

#include "application/ports/LoginItemService.h"
#include "domain/QuorbitError.h"

namespace quorbit::test {

// Launch at login in memory. A change can be made to fail, or to leave the state the system
// reports different from the one asked for.
class FakeLoginItemService final : public LoginItemService {
public:
    explicit FakeLoginItemService(bool enabled = false) : enabled_(enabled) {}

    bool isEnabled() const override {
        std::lock_guard lock(mutex_);
        return enabled_;
    }
    void setEnabled(bool enabled) override {
        std::lock_guard lock(mutex_);
        requests_.push_back(enabled);
        if (error_) throw *error_;
        enabled_ = reportedAfterChange_.value_or(enabled);
    }

    void failChangesWith(std::optional<QuorbitError> error) {
        std::lock_guard lock(mutex_);
        error_ = std::move(error);
    }
    // The state the system reports after any change, whatever was asked.
    void reportAfterChange(std::optional<bool> enabled) {
        std::lock_guard lock(mutex_);
        reportedAfterChange_ = enabled;
    }
    void setState(bool enabled) {
        std::lock_guard lock(mutex_);
        enabled_ = enabled;
    }
    std::vector<bool> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    mutable std::mutex mutex_;
    bool enabled_;
    std::optional<QuorbitError> error_;
    std::optional<bool> reportedAfterChange_;
    std::vector<bool> requests_;
};

}  // namespace quorbit::test
