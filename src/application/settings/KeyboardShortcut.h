#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "application/settings/KeyboardShortcutModifier.h"

namespace quorbit {

class JsonValue;

// One global shortcut. Key codes are the stored platform codes: 49 = Space, 8 = C.
struct KeyboardShortcut {
    std::uint32_t keyCode = 0;
    std::string keyEquivalent;
    std::vector<KeyboardShortcutModifier> modifiers;  // in display order
    bool isEnabled = false;

    // "Disabled" when off, else Qt's key names, e.g. "Ctrl+Alt+Space".
    std::string displayTitle() const;
    // Same for the same modifiers in any order, e.g. "command+option:49"; none when off.
    std::optional<std::string> registrationKey() const;

    bool operator==(const KeyboardShortcut&) const = default;
};

// JSON form {"keyCode", "keyEquivalent", "modifiers", "isEnabled"}; all four keys required.
void to_json(nlohmann::json& json, const KeyboardShortcut& shortcut);
void readJson(const JsonValue& json, KeyboardShortcut& shortcut);

}  // namespace quorbit

template <>
struct std::hash<quorbit::KeyboardShortcut> {
    std::size_t operator()(const quorbit::KeyboardShortcut& shortcut) const noexcept;
};
