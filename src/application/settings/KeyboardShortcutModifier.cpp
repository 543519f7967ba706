#include "application/settings/KeyboardShortcutModifier.h"

namespace quorbit {

std::string_view rawValue(KeyboardShortcutModifier modifier) {
    switch (modifier) {
    case KeyboardShortcutModifier::command: return "command";
    case KeyboardShortcutModifier::option: return "option";
    case KeyboardShortcutModifier::control: return "control";
    case KeyboardShortcutModifier::shift: return "shift";
    }
    return {};
}

std::optional<KeyboardShortcutModifier> keyboardShortcutModifierFromRawValue(std::string_view raw) {
    for (KeyboardShortcutModifier modifier : allKeyboardShortcutModifiers) {
        if (rawValue(modifier) == raw) return modifier;
    }
    return std::nullopt;
}

std::string_view qtKeyName(KeyboardShortcutModifier modifier) {
    switch (modifier) {
    case KeyboardShortcutModifier::command: return "Ctrl";
    case KeyboardShortcutModifier::option: return "Alt";
    case KeyboardShortcutModifier::control: return "Meta";
    case KeyboardShortcutModifier::shift: return "Shift";
    }
    return {};
}

}  // namespace quorbit
