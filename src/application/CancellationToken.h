#pragma once

#include <atomic>
#include <memory>

namespace quorbit {

// Asked by a long job between two of its steps (between accounts, say), so it can stop where
// what it saved is consistent. Copies share one flag; the program sets it when it ends.
class CancellationToken {
public:
    bool cancellationRequested() const { return flag_->load(std::memory_order_relaxed); }
    void requestCancellation() const { flag_->store(true, std::memory_order_relaxed); }

private:
    std::shared_ptr<std::atomic<bool>> flag_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace quorbit
