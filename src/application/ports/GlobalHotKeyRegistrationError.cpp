#include "application/ports/GlobalHotKeyRegistrationError.h"

namespace quorbit {

const char* GlobalHotKeyRegistrationError::what() const noexcept {
    switch (case_) {
    case Case::registrationFailed: return "The global shortcut could not be registered";
    case Case::duplicateShortcut: return "The two global shortcuts are the same";
    case Case::unavailable: return "Global shortcuts are not available in this session";
    }
    return "The global shortcut could not be registered";
}

bool GlobalHotKeyRegistrationError::operator==(const GlobalHotKeyRegistrationError& other) const noexcept {
    if (case_ != other.case_) return false;
    return case_ != Case::registrationFailed || (action_ == other.action_ && status_ == other.status_);
}

}  // namespace quorbit
