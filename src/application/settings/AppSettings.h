#pragma once

#include <cstdint>

#include <nlohmann/json_fwd.hpp>

#include "application/settings/AppTheme.h"
#include "application/settings/AutoLockDuration.h"
#include "application/settings/ClipboardClearDuration.h"
#include "application/settings/CodeFormat.h"
#include "application/settings/KeyboardShortcut.h"
#include "application/settings/KeyboardShortcutPreset.h"
#include "application/settings/MenuBarIcon.h"
#include "application/settings/SystemLanguage.h"
#include "domain/AccountFilterSelection.h"
#include "domain/AccountSortOption.h"
#include "domain/AppLanguage.h"

namespace quorbit {

class JsonValue;

// Every user setting, stored and loaded as a whole. Ranges are not checked here.
struct AppSettings {
    AutoLockDuration autoLock = AutoLockDuration::fiveMinutes;
    bool lockOnSleepOrScreenLock = true;
    bool requireUnlockOnLaunch = true;
    ClipboardClearDuration clipboardClear = ClipboardClearDuration::thirtySeconds;
    bool hideCodesByDefault = false;
    bool copyCodeOnClick = true;
    bool closeMenuAfterCopy = false;
    bool showFavoritesFirst = true;
    bool showTrashedTokens = true;
    CodeFormat codeFormat = CodeFormat::grouped;
    bool launchAtLogin = false;
    MenuBarIcon menuBarIcon = MenuBarIcon::shield;
    AppTheme theme = AppTheme::system;
    AppLanguage language = SystemLanguage::appLanguage();
    bool hasCompletedOnboarding = false;
    KeyboardShortcut openPanelShortcut = shortcut(KeyboardShortcutPreset::optionCommandSpace);
    KeyboardShortcut copyCodeShortcut = shortcut(KeyboardShortcutPreset::optionCommandC);
    AccountFilterSelection selectedAccountFilter = AccountFilterSelection::all();
    AccountSortOption accountSortOption = AccountSortOption::alphabetical;
    bool iCloudSync = false;  // kept in the record; has no effect on this platform
    std::int64_t backupPBKDF2Iterations = 120000;
    std::int64_t backupSaltBytes = 16;

    bool operator==(const AppSettings&) const = default;
};

// JSON object keyed by field name. Decoding: an absent or null key takes its default; a value
// of the wrong type or an unknown case name throws JsonError.
void to_json(nlohmann::json& json, const AppSettings& settings);
void readJson(const JsonValue& json, AppSettings& settings);

}  // namespace quorbit
