#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/viewmodel/WindowFactory.h"

namespace quorbit::test {

// Holders that count their `show()` calls; the factory keeps a record of every holder it made
// and of the migration payloads it was given, with their completion actions.
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
    int showCount(std::size_t index) const { return *showCounts_.at(index); }
    const std::vector<ImportWindow>& importWindows() const { return importWindows_; }

private:
    class CountingHolder final : public WindowHolder {
    public:
        explicit CountingHolder(std::shared_ptr<int> count) : count_(std::move(count)) {}
        void show() override { ++*count_; }

    private:
        std::shared_ptr<int> count_;
    };

    std::unique_ptr<WindowHolder> make(std::string kind) {
        auto count = std::make_shared<int>(0);
        showCounts_.push_back(count);
        made_.push_back({std::move(kind), count.get()});
        return std::make_unique<CountingHolder>(count);
    }

    std::vector<Made> made_;
    std::vector<std::shared_ptr<int>> showCounts_;
    std::vector<ImportWindow> importWindows_;
};

}  // namespace quorbit::test
