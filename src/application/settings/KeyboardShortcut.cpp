#include "application/settings/KeyboardShortcut.h"

#include <algorithm>
#include <array>
#include <limits>

#include <nlohmann/json.hpp>

#include "format/JsonObjectReader.h"
#include "format/JsonTypeError.h"

namespace quorbit {

namespace {

// Qt's own order of modifier names in a key sequence: Meta, Ctrl, Alt, Shift.
constexpr std::array qtModifierOrder{KeyboardShortcutModifier::control, KeyboardShortcutModifier::command,
                                     KeyboardShortcutModifier::option, KeyboardShortcutModifier::shift};

std::uint32_t keyCodeFrom(const JsonObjectReader& reader) {
    const std::int64_t value = reader.int64("keyCode");
    if (value < 0 || value > std::numeric_limits<std::uint32_t>::max()) {
        throw JsonTypeError("member \"keyCode\" must be an unsigned 32-bit integer");
    }
    return static_cast<std::uint32_t>(value);
}

std::vector<KeyboardShortcutModifier> modifiersFrom(const JsonObjectReader& reader) {
    std::vector<KeyboardShortcutModifier> modifiers;
    for (const std::string& name : reader.stringList("modifiers")) {
        const auto modifier = keyboardShortcutModifierFromRawValue(name);
        if (!modifier) {
            throw JsonTypeError("member \"modifiers\" holds an unknown modifier");
        }
        modifiers.push_back(*modifier);
    }
    return modifiers;
}

}  // namespace

std::string KeyboardShortcut::displayTitle() const {
    if (!isEnabled) return "Disabled";
    std::string title;
    for (KeyboardShortcutModifier modifier : qtModifierOrder) {
        if (std::ranges::find(modifiers, modifier) != modifiers.end()) {
            title.append(qtKeyName(modifier)).append("+");
        }
    }
    return title + keyEquivalent;
}

std::optional<std::string> KeyboardShortcut::registrationKey() const {
    if (!isEnabled) return std::nullopt;
    std::vector<std::string_view> names;
    for (KeyboardShortcutModifier modifier : modifiers) names.push_back(rawValue(modifier));
    std::ranges::sort(names);
    std::string key;
    for (std::string_view name : names) {
        if (!key.empty()) key += '+';
        key.append(name);
    }
    return key + ":" + std::to_string(keyCode);
}

void to_json(nlohmann::json& json, const KeyboardShortcut& shortcut) {
    nlohmann::json modifiers = nlohmann::json::array();
    for (KeyboardShortcutModifier modifier : shortcut.modifiers) modifiers.push_back(rawValue(modifier));
    json = {{"keyCode", shortcut.keyCode},
            {"keyEquivalent", shortcut.keyEquivalent},
            {"modifiers", std::move(modifiers)},
            {"isEnabled", shortcut.isEnabled}};
}

void readJson(const JsonValue& json, KeyboardShortcut& shortcut) {
    const JsonObjectReader reader(json);
    shortcut = KeyboardShortcut{.keyCode = keyCodeFrom(reader),
                                .keyEquivalent = reader.string("keyEquivalent"),
                                .modifiers = modifiersFrom(reader),
                                .isEnabled = reader.boolean("isEnabled")};
}

}  // namespace quorbit

std::size_t std::hash<quorbit::KeyboardShortcut>::operator()(const quorbit::KeyboardShortcut& shortcut) const noexcept {
    std::size_t h = std::hash<std::string>{}(shortcut.keyEquivalent);
    h = h * 31 + shortcut.keyCode;
    for (auto modifier : shortcut.modifiers) h = h * 31 + static_cast<std::size_t>(modifier);
    return h * 2 + (shortcut.isEnabled ? 1 : 0);
}
