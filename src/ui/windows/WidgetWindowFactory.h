#pragma once

#include "ui/viewmodel/ports/WindowFactory.h"

namespace quorbit {

// The real auxiliary windows: Security Center, Security Log, Data Lifecycle Center and the
// migration import, each behind a WidgetWindowHolder.
class WidgetWindowFactory final : public WindowFactory {
public:
    std::unique_ptr<WindowHolder> makeSecurityAuditWindow(QuorbitViewModel& viewModel) override;
    std::unique_ptr<WindowHolder> makeSecurityLogWindow(QuorbitViewModel& viewModel) override;
    // Every new window records that the review was opened.
    std::unique_ptr<WindowHolder> makeDataLifecycleWindow(QuorbitViewModel& viewModel) override;
    std::unique_ptr<WindowHolder> makeGoogleAuthImportWindow(QuorbitViewModel& viewModel,
                                                             std::vector<GoogleAuthAccount> accounts, bool isFinalBatch,
                                                             std::function<void()> onComplete) override;
};

}  // namespace quorbit
