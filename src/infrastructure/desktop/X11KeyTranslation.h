#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "application/settings/KeyboardShortcutModifier.h"

namespace quorbit {

// Stored shortcuts keep the other platform's virtual key codes and modifier names; this
// turns them into X11 key symbols and modifier masks.
class X11KeyTranslation {
public:
    // The key symbol of a stored key code (49 = Space, 8 = C, letters, digits, function
    // and navigation keys); none for a code without one.
    static std::optional<std::uint32_t> keySym(std::uint32_t keyCode);

    // Qt's mapping: command = Ctrl, option = Alt (Mod1), control = Super (Mod4), shift = Shift.
    static std::uint16_t modifierMask(std::span<const KeyboardShortcutModifier> modifiers);
    static std::uint16_t modifierMask(KeyboardShortcutModifier modifier);
};

}  // namespace quorbit
