#pragma once

#include <QWidget>

#include "screens/ScreenRegistry.h"
#include "support/ui/ViewModelHarness.h"

namespace quorbit::screens {

// A view model over fakes for one picture: the context's settings, accounts and fixed clock.
// It lives exactly as long as `owner`, the widget that is photographed.
class ScreenViewModel {
public:
    // Built but not started: the vault is locked and nothing has been loaded.
    static QuorbitViewModel& make(const ScreenContext& context, QWidget& owner);
    // Started and unlocked, with the context's accounts loaded and their codes published.
    static QuorbitViewModel& makeUnlocked(const ScreenContext& context, QWidget& owner);

private:
    static test::ViewModelHarness& harnessFor(const ScreenContext& context, QWidget& owner);
};

}  // namespace quorbit::screens
