#include "application/ports/GlobalHotKeyRegistrationError.h"

namespace quorbit {

const char* GlobalHotKeyRegistrationError::what() const noexcept {
    return case_ == Case::registrationFailed ? "The global shortcut could not be registered"
                                             : "The two global shortcuts are the same";
}

bool GlobalHotKeyRegistrationError::operator==(const GlobalHotKeyRegistrationError& other) const noexcept {
    if (case_ != other.case_) return false;
    return case_ == Case::duplicateShortcut || (action_ == other.action_ && status_ == other.status_);
}

}  // namespace quorbit
