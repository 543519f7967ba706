#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorbit {

// Modifier keys under their stored names; `qtKeyName` follows Qt's own mapping of them.
enum class KeyboardShortcutModifier { command, option, control, shift };

inline constexpr std::array<KeyboardShortcutModifier, 4> allKeyboardShortcutModifiers{
    KeyboardShortcutModifier::command, KeyboardShortcutModifier::option, KeyboardShortcutModifier::control,
    KeyboardShortcutModifier::shift};

std::string_view rawValue(KeyboardShortcutModifier modifier);
std::optional<KeyboardShortcutModifier> keyboardShortcutModifierFromRawValue(std::string_view raw);

// "Ctrl", "Alt", "Meta" (the Super key) or "Shift".
std::string_view qtKeyName(KeyboardShortcutModifier modifier);

}  // namespace quorbit
