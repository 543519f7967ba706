#include "application/settings/KeyboardShortcutAction.h"

namespace quorbit {

std::optional<KeyboardShortcutAction> keyboardShortcutActionFromRawValue(std::string_view raw) {
    for (KeyboardShortcutAction action : allKeyboardShortcutActions) {
        if (rawValue(action) == raw) return action;
    }
    return std::nullopt;
}

}  // namespace quorbit
