#pragma once

#include <array>
#include <string>
#include <string_view>

#include "application/settings/KeyboardShortcut.h"
#include "application/settings/SettingsOption.h"

namespace quorbit {

// The shortcut choices the settings window offers.
enum class KeyboardShortcutPreset {
    disabled,
    optionCommandSpace,
    optionCommandC,
    controlOptionSpace,
    controlOptionC,
    shiftOptionSpace,
    shiftOptionC,
};

inline constexpr std::array<KeyboardShortcutPreset, 7> allKeyboardShortcutPresets{
    KeyboardShortcutPreset::disabled,       KeyboardShortcutPreset::optionCommandSpace,
    KeyboardShortcutPreset::optionCommandC, KeyboardShortcutPreset::controlOptionSpace,
    KeyboardShortcutPreset::controlOptionC, KeyboardShortcutPreset::shiftOptionSpace,
    KeyboardShortcutPreset::shiftOptionC};

std::string_view rawValue(KeyboardShortcutPreset preset);
KeyboardShortcut shortcut(KeyboardShortcutPreset preset);
// The first preset equal to the shortcut in all four fields, modifier order included; else disabled.
KeyboardShortcutPreset presetFor(const KeyboardShortcut& shortcut);
// "Disabled" / "Выключено", else the shortcut's display title.
std::string title(KeyboardShortcutPreset preset, AppLanguage language);

template <>
struct SettingsOptionCases<KeyboardShortcutPreset> {
    static constexpr const auto& all = allKeyboardShortcutPresets;
};

}  // namespace quorbit
