#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "application/ports/GlobalHotKeyRegistrationError.h"
#include "application/settings/KeyboardShortcutPreset.h"
#include "format/JsonError.h"
#include "format/JsonReader.h"
#include "support/DocumentDecoding.h"

namespace quorbit {
namespace {

using enum KeyboardShortcutModifier;

struct PresetRow {
    KeyboardShortcutPreset preset;
    const char* displayTitle;
    std::optional<std::string> registrationKey;
};

class KeyboardShortcutPresetTest : public ::testing::TestWithParam<PresetRow> {};

TEST_P(KeyboardShortcutPresetTest, ShowsQtKeyNamesAndRegistersBySortedModifiers) {
    const PresetRow& row = GetParam();
    const KeyboardShortcut shortcut = quorbit::shortcut(row.preset);
    EXPECT_EQ(shortcut.displayTitle(), row.displayTitle);
    EXPECT_EQ(shortcut.registrationKey(), row.registrationKey);
    EXPECT_EQ(presetFor(shortcut), row.preset);
}

INSTANTIATE_TEST_SUITE_P(
    AllPresets, KeyboardShortcutPresetTest,
    ::testing::Values(PresetRow{KeyboardShortcutPreset::disabled, "Disabled", std::nullopt},
                      PresetRow{KeyboardShortcutPreset::optionCommandSpace, "Ctrl+Alt+Space", "command+option:49"},
                      PresetRow{KeyboardShortcutPreset::optionCommandC, "Ctrl+Alt+C", "command+option:8"},
                      PresetRow{KeyboardShortcutPreset::controlOptionSpace, "Meta+Alt+Space", "control+option:49"},
                      PresetRow{KeyboardShortcutPreset::controlOptionC, "Meta+Alt+C", "control+option:8"},
                      PresetRow{KeyboardShortcutPreset::shiftOptionSpace, "Alt+Shift+Space", "option+shift:49"},
                      PresetRow{KeyboardShortcutPreset::shiftOptionC, "Alt+Shift+C", "option+shift:8"}));

TEST(KeyboardShortcutTest, ADisabledShortcutHasNoKeyWhateverItsFields) {
    const KeyboardShortcut shortcut{
        .keyCode = 49, .keyEquivalent = "Space", .modifiers = {command}, .isEnabled = false};
    EXPECT_EQ(shortcut.displayTitle(), "Disabled");
    EXPECT_EQ(shortcut.registrationKey(), std::nullopt);
}

TEST(KeyboardShortcutTest, ModifierOrderChangesEqualityAndPresetButNotTheKey) {
    KeyboardShortcut reordered = shortcut(KeyboardShortcutPreset::optionCommandSpace);
    reordered.modifiers = {command, option};
    EXPECT_NE(reordered, shortcut(KeyboardShortcutPreset::optionCommandSpace));
    EXPECT_EQ(reordered.registrationKey(), shortcut(KeyboardShortcutPreset::optionCommandSpace).registrationKey());
    EXPECT_EQ(presetFor(reordered), KeyboardShortcutPreset::disabled);
}

TEST(KeyboardShortcutTest, AnEnabledShortcutMatchingNoPresetMapsToDisabled) {
    EXPECT_EQ(presetFor(KeyboardShortcut{.keyCode = 0, .keyEquivalent = "", .modifiers = {}, .isEnabled = true}),
              KeyboardShortcutPreset::disabled);
}

TEST(KeyboardShortcutTest, PresetTitlesTranslateOnlyDisabled) {
    EXPECT_EQ(title(KeyboardShortcutPreset::disabled, AppLanguage::russian), "Выключено");
    EXPECT_EQ(title(KeyboardShortcutPreset::optionCommandC, AppLanguage::russian), "Ctrl+Alt+C");
}

TEST(KeyboardShortcutJsonTest, RoundTripsItsFourKeys) {
    const KeyboardShortcut shortcut = quorbit::shortcut(KeyboardShortcutPreset::shiftOptionC);
    const nlohmann::json json = shortcut;
    EXPECT_EQ(json, nlohmann::json::parse(
                        R"({"keyCode":8,"keyEquivalent":"C","modifiers":["shift","option"],"isEnabled":true})"));
    EXPECT_EQ(test::decodeDocument<KeyboardShortcut>(json), shortcut);
}

TEST(KeyboardShortcutJsonTest, RejectsMissingKeysAndWrongValues) {
    const char* invalid[] = {
        R"({"keyCode":8,"keyEquivalent":"C","modifiers":[]})",
        R"({"keyCode":8,"keyEquivalent":"C","modifiers":["hyper"],"isEnabled":true})",
        R"({"keyCode":-1,"keyEquivalent":"C","modifiers":[],"isEnabled":true})",
        R"({"keyCode":8.5,"keyEquivalent":"C","modifiers":[],"isEnabled":true})",
        R"({"keyCode":8,"keyEquivalent":"C","modifiers":[],"isEnabled":"yes"})",
    };
    for (const char* text : invalid) {
        EXPECT_THROW(JsonReader().decode<KeyboardShortcut>(text), JsonError) << text;
    }
}

TEST(GlobalHotKeyRegistrationErrorTest, EqualityComparesActionAndStatus) {
    using Error = GlobalHotKeyRegistrationError;
    EXPECT_EQ(Error::registrationFailed(KeyboardShortcutAction::copyCode, -9878),
              Error::registrationFailed(KeyboardShortcutAction::copyCode, -9878));
    EXPECT_NE(Error::registrationFailed(KeyboardShortcutAction::copyCode, -9878),
              Error::registrationFailed(KeyboardShortcutAction::copyCode, -50));
    EXPECT_NE(Error::registrationFailed(KeyboardShortcutAction::copyCode, 1),
              Error::registrationFailed(KeyboardShortcutAction::openPanel, 1));
    EXPECT_EQ(Error::duplicateShortcut(), Error::duplicateShortcut());
    EXPECT_NE(Error::duplicateShortcut(), Error::registrationFailed(KeyboardShortcutAction::openPanel, 0));
}

}  // namespace
}  // namespace quorbit
