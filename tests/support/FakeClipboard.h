#pragma once

#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "application/ports/ClipboardService.h"

namespace quorbit::test {

// Records every copy with its clearing delay.
class FakeClipboard final : public ClipboardService {
public:
    struct Copy {
        std::string text;
        std::optional<std::chrono::seconds> clearAfter;
        bool operator==(const Copy&) const = default;
    };

    void copyEphemeral(const std::string& text, std::optional<std::chrono::seconds> clearAfter) override {
        std::lock_guard lock(mutex_);
        copies_.push_back({text, clearAfter});
    }
    std::vector<Copy> copies() const {
        std::lock_guard lock(mutex_);
        return copies_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Copy> copies_;
};

}  // namespace quorbit::test
