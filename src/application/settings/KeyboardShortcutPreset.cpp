#include "application/settings/KeyboardShortcutPreset.h"

namespace quorbit {

namespace {

constexpr std::uint32_t spaceKeyCode = 49;
constexpr std::uint32_t cKeyCode = 8;

KeyboardShortcut enabled(std::uint32_t keyCode, KeyboardShortcutModifier first, KeyboardShortcutModifier second) {
    return {.keyCode = keyCode,
            .keyEquivalent = keyCode == spaceKeyCode ? "Space" : "C",
            .modifiers = {first, second},
            .isEnabled = true};
}

}  // namespace

std::string_view rawValue(KeyboardShortcutPreset preset) {
    switch (preset) {
    case KeyboardShortcutPreset::disabled: return "disabled";
    case KeyboardShortcutPreset::optionCommandSpace: return "optionCommandSpace";
    case KeyboardShortcutPreset::optionCommandC: return "optionCommandC";
    case KeyboardShortcutPreset::controlOptionSpace: return "controlOptionSpace";
    case KeyboardShortcutPreset::controlOptionC: return "controlOptionC";
    case KeyboardShortcutPreset::shiftOptionSpace: return "shiftOptionSpace";
    case KeyboardShortcutPreset::shiftOptionC: return "shiftOptionC";
    }
    return {};
}

KeyboardShortcut shortcut(KeyboardShortcutPreset preset) {
    using enum KeyboardShortcutModifier;
    switch (preset) {
    case KeyboardShortcutPreset::disabled: return {};
    case KeyboardShortcutPreset::optionCommandSpace: return enabled(spaceKeyCode, option, command);
    case KeyboardShortcutPreset::optionCommandC: return enabled(cKeyCode, option, command);
    case KeyboardShortcutPreset::controlOptionSpace: return enabled(spaceKeyCode, control, option);
    case KeyboardShortcutPreset::controlOptionC: return enabled(cKeyCode, control, option);
    case KeyboardShortcutPreset::shiftOptionSpace: return enabled(spaceKeyCode, shift, option);
    case KeyboardShortcutPreset::shiftOptionC: return enabled(cKeyCode, shift, option);
    }
    return {};
}

KeyboardShortcutPreset presetFor(const KeyboardShortcut& given) {
    for (KeyboardShortcutPreset preset : allKeyboardShortcutPresets) {
        if (shortcut(preset) == given) return preset;
    }
    return KeyboardShortcutPreset::disabled;
}

std::string title(KeyboardShortcutPreset preset, AppLanguage language) {
    if (preset == KeyboardShortcutPreset::disabled) return std::string(localized(language, "Disabled", "Выключено"));
    return shortcut(preset).displayTitle();
}

}  // namespace quorbit
