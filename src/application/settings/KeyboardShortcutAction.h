#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorbit {

// What a global shortcut does.
enum class KeyboardShortcutAction { openPanel, copyCode };

inline constexpr std::array<KeyboardShortcutAction, 2> allKeyboardShortcutActions{KeyboardShortcutAction::openPanel,
                                                                                  KeyboardShortcutAction::copyCode};

constexpr std::string_view rawValue(KeyboardShortcutAction action) {
    return action == KeyboardShortcutAction::openPanel ? "openPanel" : "copyCode";
}

std::optional<KeyboardShortcutAction> keyboardShortcutActionFromRawValue(std::string_view raw);

// The identifier the hot-key service registers the action's shortcut under.
constexpr std::uint32_t hotKeyId(KeyboardShortcutAction action) {
    return action == KeyboardShortcutAction::openPanel ? 1 : 2;
}

}  // namespace quorbit
