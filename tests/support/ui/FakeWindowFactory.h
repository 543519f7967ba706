#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/viewmodel/ports/WindowFactory.h"

namespace quorbit::test {

// Holders that count their `show()` and `close()` calls and tell when they were released; the
// factory keeps a record of every holder it made and of the migration payloads it was given,
// with their completion actions.
class FakeWindowFactory final : public WindowFactory {
public:
    struct Made {
        std::string kind;  // "securityAudit", "securityLog", "dataLifecycle", "googleAuthImport"
        int* showCount;
    };
    struct ImportWindow {
        std::vector<GoogleAuthAccount> accounts;
        bool isFinalBatch = false;
        std::function<void()> onComplete;
    };

    std::unique_ptr<WindowHolder> makeSecurityAuditWindow(QuorbitViewModel&) override { return make("securityAudit"); }
    std::unique_ptr<WindowHolder> makeSecurityLogWindow(QuorbitViewModel&) override { return make("securityLog"); }
    std::unique_ptr<WindowHolder> makeDataLifecycleWindow(QuorbitViewModel&) override { return make("dataLifecycle"); }
    std::unique_ptr<WindowHolder> makeGoogleAuthImportWindow(QuorbitViewModel&, std::vector<GoogleAuthAccount> accounts,
                                                             bool isFinalBatch,
                                                             std::function<void()> onComplete) override {
        importWindows_.push_back({std::move(accounts), isFinalBatch, std::move(onComplete)});
        return make("googleAuthImport");
    }

    // Kinds in the order they were made.
    std::vector<std::string> madeKinds() const {
        std::vector<std::string> kinds;
        for (const Made& made : made_) kinds.push_back(made.kind);
        return kinds;
    }
    // How often the n-th holder was shown.
    int showCount(std::size_t index) const { return states_.at(index)->shows; }
    int closeCount(std::size_t index) const { return states_.at(index)->closes; }
    // Whether the n-th holder was destroyed.
    bool isReleased(std::size_t index) const { return states_.at(index)->released; }
    const std::vector<ImportWindow>& importWindows() const { return importWindows_; }

private:
    struct HolderState {
        int shows = 0;
        int closes = 0;
        bool released = false;
    };

    class CountingHolder final : public WindowHolder {
    public:
        explicit CountingHolder(std::shared_ptr<HolderState> state) : state_(std::move(state)) {}
        ~CountingHolder() override { state_->released = true; }
        void show() override { ++state_->shows; }
        void close() override { ++state_->closes; }

    private:
        std::shared_ptr<HolderState> state_;
    };

    std::unique_ptr<WindowHolder> make(std::string kind) {
        auto state = std::make_shared<HolderState>();
        states_.push_back(state);
        made_.push_back({std::move(kind), &state->shows});
        return std::make_unique<CountingHolder>(state);
    }

    std::vector<Made> made_;
    std::vector<std::shared_ptr<HolderState>> states_;
    std::vector<ImportWindow> importWindows_;
};

}  // namespace quorbit::test
