#include "application/settings/AppSettings.h"

#include <nlohmann/json.hpp>

#include "format/AccountFilterSelectionJson.h"
#include "format/AccountSortOptionJson.h"
#include "format/JsonObjectReader.h"

namespace quorbit {

namespace {

// Reads the members that are present (and not null) over the defaults already in the record.
class SettingsDecoder {
public:
    explicit SettingsDecoder(const JsonValue& json) : reader_(json) {}

    bool has(std::string_view key) const { return reader_.has(key); }

    void read(std::string_view key, bool& field) const {
        if (auto value = reader_.optionalBoolean(key)) field = *value;
    }
    void read(std::string_view key, std::int64_t& field) const {
        if (auto value = reader_.optionalInt64(key)) field = *value;
    }
    template <SettingsOption T>
    void read(std::string_view key, T& field) const {
        if (auto value = reader_.optionalParsed(key, settingsOptionFromRawValue<T>)) field = *value;
    }
    template <typename T>
    void readObject(std::string_view key, T& field) const {
        if (const auto member = reader_.optionalMember(key)) readJson(*member, field);
    }

private:
    JsonObjectReader reader_;
};

// Settings stored before onboarding covered more than permissions used another key.
constexpr std::string_view legacyOnboardingKey = "hasCompletedPermissionsOnboarding";

}  // namespace

void to_json(nlohmann::json& json, const AppSettings& settings) {
    json = {
        {"autoLock", rawValue(settings.autoLock)},
        {"lockOnSleepOrScreenLock", settings.lockOnSleepOrScreenLock},
        {"requireUnlockOnLaunch", settings.requireUnlockOnLaunch},
        {"clipboardClear", rawValue(settings.clipboardClear)},
        {"hideCodesByDefault", settings.hideCodesByDefault},
        {"copyCodeOnClick", settings.copyCodeOnClick},
        {"closeMenuAfterCopy", settings.closeMenuAfterCopy},
        {"showFavoritesFirst", settings.showFavoritesFirst},
        {"showTrashedTokens", settings.showTrashedTokens},
        {"codeFormat", rawValue(settings.codeFormat)},
        {"launchAtLogin", settings.launchAtLogin},
        {"menuBarIcon", rawValue(settings.menuBarIcon)},
        {"theme", rawValue(settings.theme)},
        {"language", rawValue(settings.language)},
        {"hasCompletedOnboarding", settings.hasCompletedOnboarding},
        {"openPanelShortcut", settings.openPanelShortcut},
        {"copyCodeShortcut", settings.copyCodeShortcut},
        {"selectedAccountFilter", settings.selectedAccountFilter},
        {"accountSortOption", settings.accountSortOption},
        {"iCloudSync", settings.iCloudSync},
        {"backupPBKDF2Iterations", settings.backupPBKDF2Iterations},
        {"backupSaltBytes", settings.backupSaltBytes},
    };
}

void readJson(const JsonValue& json, AppSettings& settings) {
    const SettingsDecoder decoder(json);
    AppSettings decoded;
    decoder.read("autoLock", decoded.autoLock);
    decoder.read("lockOnSleepOrScreenLock", decoded.lockOnSleepOrScreenLock);
    decoder.read("requireUnlockOnLaunch", decoded.requireUnlockOnLaunch);
    decoder.read("clipboardClear", decoded.clipboardClear);
    decoder.read("hideCodesByDefault", decoded.hideCodesByDefault);
    decoder.read("copyCodeOnClick", decoded.copyCodeOnClick);
    decoder.read("closeMenuAfterCopy", decoded.closeMenuAfterCopy);
    decoder.read("showFavoritesFirst", decoded.showFavoritesFirst);
    decoder.read("showTrashedTokens", decoded.showTrashedTokens);
    decoder.read("codeFormat", decoded.codeFormat);
    decoder.read("launchAtLogin", decoded.launchAtLogin);
    decoder.read("menuBarIcon", decoded.menuBarIcon);
    decoder.read("theme", decoded.theme);
    decoder.read("language", decoded.language);
    decoder.read(decoder.has("hasCompletedOnboarding") ? "hasCompletedOnboarding" : legacyOnboardingKey,
                 decoded.hasCompletedOnboarding);
    decoder.readObject("openPanelShortcut", decoded.openPanelShortcut);
    decoder.readObject("copyCodeShortcut", decoded.copyCodeShortcut);
    decoder.readObject("selectedAccountFilter", decoded.selectedAccountFilter);
    decoder.read("accountSortOption", decoded.accountSortOption);
    decoder.read("iCloudSync", decoded.iCloudSync);
    decoder.read("backupPBKDF2Iterations", decoded.backupPBKDF2Iterations);
    decoder.read("backupSaltBytes", decoded.backupSaltBytes);
    settings = std::move(decoded);
}

}  // namespace quorbit
