#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "application/ports/VaultUnlocking.h"

namespace quorbit::test {

// The owner's answer to every authentication request, set by the test; records the reasons.
class FakeVaultUnlocker final : public VaultUnlocking {
public:
    bool unlock(const std::string& reason) override {
        std::lock_guard lock(mutex_);
        reasons_.push_back(reason);
        return accepts_;
    }
    void setAccepts(bool accepts) {
        std::lock_guard lock(mutex_);
        accepts_ = accepts;
    }
    std::vector<std::string> reasons() const {
        std::lock_guard lock(mutex_);
        return reasons_;
    }

private:
    mutable std::mutex mutex_;
    bool accepts_ = true;
    std::vector<std::string> reasons_;
};

}  // namespace quorbit::test
