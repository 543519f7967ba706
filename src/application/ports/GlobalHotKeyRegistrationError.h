#pragma once

#include <cstdint>
#include <exception>

#include "application/settings/KeyboardShortcutAction.h"

namespace quorbit {

// Why the global shortcuts could not be registered; its user texts come from AppLocalizer.
class GlobalHotKeyRegistrationError : public std::exception {
public:
    // unavailable: the session has no X11 server to grab keys on (pure Wayland, or no connection).
    enum class Case { registrationFailed, duplicateShortcut, unavailable };

    static GlobalHotKeyRegistrationError registrationFailed(KeyboardShortcutAction action, std::int32_t status) {
        return {Case::registrationFailed, action, status};
    }
    static GlobalHotKeyRegistrationError duplicateShortcut() {
        return {Case::duplicateShortcut, KeyboardShortcutAction::openPanel, 0};
    }
    static GlobalHotKeyRegistrationError unavailable() {
        return {Case::unavailable, KeyboardShortcutAction::openPanel, 0};
    }

    Case errorCase() const noexcept { return case_; }
    KeyboardShortcutAction action() const noexcept { return action_; }  // registrationFailed only
    std::int32_t status() const noexcept { return status_; }            // registrationFailed only
    const char* what() const noexcept override;

    bool operator==(const GlobalHotKeyRegistrationError& other) const noexcept;

private:
    GlobalHotKeyRegistrationError(Case errorCase, KeyboardShortcutAction action, std::int32_t status)
        : case_(errorCase), action_(action), status_(status) {}

    Case case_;
    KeyboardShortcutAction action_;
    std::int32_t status_;
};

}  // namespace quorbit
