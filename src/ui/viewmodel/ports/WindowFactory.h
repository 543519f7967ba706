#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "domain/GoogleAuthAccount.h"
#include "ui/viewmodel/ports/WindowHolder.h"

namespace quorbit {

class QuorbitViewModel;

// Makes the holders of the auxiliary windows; the shell brings the real one, tests a fake.
// A holder builds no window before its first `show()`.
class WindowFactory {
public:
    virtual ~WindowFactory() = default;
    virtual std::unique_ptr<WindowHolder> makeSecurityAuditWindow(QuorbitViewModel& viewModel) = 0;
    virtual std::unique_ptr<WindowHolder> makeSecurityLogWindow(QuorbitViewModel& viewModel) = 0;
    virtual std::unique_ptr<WindowHolder> makeDataLifecycleWindow(QuorbitViewModel& viewModel) = 0;
    // The migration import window for one decoded payload. `onComplete` runs when the window
    // is done with (imported or closed); it may be called more than once.
    virtual std::unique_ptr<WindowHolder> makeGoogleAuthImportWindow(QuorbitViewModel& viewModel,
                                                                     std::vector<GoogleAuthAccount> accounts,
                                                                     bool isFinalBatch,
                                                                     std::function<void()> onComplete) = 0;
};

}  // namespace quorbit
