#pragma once

#include <string>

namespace quorbit {

// The program's alerts and file panels, behind one interface so tests can answer them.
// Called on the GUI thread; each call returns when the user has answered.
class DialogPresenter {
public:
    virtual ~DialogPresenter() = default;
    // A warning with one button that dismisses it.
    virtual void showWarning(const std::string& message, const std::string& dismissButtonTitle) = 0;
};

}  // namespace quorbit
