#pragma once

#include "ui/viewmodel/WindowFactory.h"

namespace quorbit {

// Holders of simple titled windows that stand in for the auxiliary windows until they land.
class PlaceholderWindowFactory final : public WindowFactory {
public:
    std::unique_ptr<WindowHolder> makeSecurityAuditWindow(QuorbitViewModel& viewModel) override;
    std::unique_ptr<WindowHolder> makeSecurityLogWindow(QuorbitViewModel& viewModel) override;
    std::unique_ptr<WindowHolder> makeDataLifecycleWindow(QuorbitViewModel& viewModel) override;
    std::unique_ptr<WindowHolder> makeGoogleAuthImportWindow(QuorbitViewModel& viewModel,
                                                             std::vector<GoogleAuthAccount> accounts, bool isFinalBatch,
                                                             std::function<void()> onComplete) override;
};

}  // namespace quorbit
