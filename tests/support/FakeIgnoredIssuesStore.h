#pragma once

#include <mutex>
#include <optional>
#include <set>
#include <string>

#include "application/ports/IgnoredIssuesStoring.h"
#include "domain/QuorbitError.h"

namespace quorbit::test {

// The ignored finding keys in memory; saves can be made to fail.
class FakeIgnoredIssuesStore final : public IgnoredIssuesStoring {
public:
    std::set<std::string> loadIgnoredKeys() override {
        std::lock_guard lock(mutex_);
        return keys_;
    }
    void saveIgnoredKeys(const std::set<std::string>& keys) override {
        std::lock_guard lock(mutex_);
        if (saveError_) throw *saveError_;
        keys_ = keys;
        ++saveCount_;
    }
    void failSavesWith(std::optional<QuorbitError> error) {
        std::lock_guard lock(mutex_);
        saveError_ = std::move(error);
    }
    int saveCount() const {
        std::lock_guard lock(mutex_);
        return saveCount_;
    }

private:
    mutable std::mutex mutex_;
    std::set<std::string> keys_;
    int saveCount_ = 0;
    std::optional<QuorbitError> saveError_;
};

}  // namespace quorbit::test
