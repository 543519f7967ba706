#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "application/settings/AppSettings.h"
#include "format/AccountFilterSelectionJson.h"
#include "format/AccountSortOptionJson.h"
#include "format/JsonError.h"
#include "format/JsonReader.h"
#include "support/DocumentDecoding.h"

namespace quorbit {
namespace {

AppSettings decode(const char* text) { return JsonReader().decode<AppSettings>(text); }

AppSettings everyFieldChanged() {
    AppSettings settings;
    settings.autoLock = AutoLockDuration::never;
    settings.lockOnSleepOrScreenLock = false;
    settings.requireUnlockOnLaunch = false;
    settings.clipboardClear = ClipboardClearDuration::tenSeconds;
    settings.hideCodesByDefault = true;
    settings.copyCodeOnClick = false;
    settings.closeMenuAfterCopy = true;
    settings.showFavoritesFirst = false;
    settings.showTrashedTokens = false;
    settings.codeFormat = CodeFormat::plain;
    settings.launchAtLogin = true;
    settings.menuBarIcon = MenuBarIcon::monochrome;
    settings.theme = AppTheme::dark;
    settings.language = settings.language == AppLanguage::russian ? AppLanguage::english : AppLanguage::russian;
    settings.hasCompletedOnboarding = true;
    settings.openPanelShortcut = shortcut(KeyboardShortcutPreset::controlOptionSpace);
    settings.copyCodeShortcut = shortcut(KeyboardShortcutPreset::disabled);
    settings.selectedAccountFilter = AccountFilterSelection::tag("Work");
    settings.accountSortOption = AccountSortOption::lastUsedAt;
    settings.iCloudSync = true;
    settings.backupPBKDF2Iterations = 5;
    settings.backupSaltBytes = 2048;
    return settings;
}

TEST(AppSettingsJsonTest, AbsentAndNullKeysTakeTheDefaults) {
    EXPECT_EQ(decode("{}"), AppSettings());
    EXPECT_EQ(decode(R"({"autoLock":null,"theme":null,"openPanelShortcut":null,"unknownKey":[1,2]})"), AppSettings());
}

TEST(AppSettingsJsonTest, RoundTripsEveryField) {
    const AppSettings settings = everyFieldChanged();
    const nlohmann::json json = settings;
    EXPECT_EQ(json.size(), 22u);
    EXPECT_FALSE(json.contains("hasCompletedPermissionsOnboarding"));
    EXPECT_EQ(json["selectedAccountFilter"], nlohmann::json::parse(R"({"tag":{"_0":"Work"}})"));
    EXPECT_EQ(test::decodeDocument<AppSettings>(json), settings);
}

TEST(AppSettingsJsonTest, TheEarlierOnboardingKeyCountsOnlyWithoutTheCurrentOne) {
    EXPECT_TRUE(decode(R"({"hasCompletedPermissionsOnboarding":true})").hasCompletedOnboarding);
    EXPECT_FALSE(
        decode(R"({"hasCompletedPermissionsOnboarding":true,"hasCompletedOnboarding":false})").hasCompletedOnboarding);
    EXPECT_TRUE(
        decode(R"({"hasCompletedPermissionsOnboarding":true,"hasCompletedOnboarding":null})").hasCompletedOnboarding);
}

TEST(AppSettingsJsonTest, APresentValueOfTheWrongKindFailsTheWholeRecord) {
    const char* invalid[] = {
        R"({"autoLock":"tenMinutes"})",
        R"({"autoLock":"OneMinute"})",
        R"({"copyCodeOnClick":"true"})",
        R"({"theme":1})",
        R"({"language":"german"})",
        R"({"backupPBKDF2Iterations":120000.5})",
        R"({"backupSaltBytes":"16"})",
        R"({"openPanelShortcut":{"keyCode":49,"keyEquivalent":"Space","modifiers":[]}})",
        R"({"selectedAccountFilter":{}})",
        R"({"accountSortOption":"zToA"})",
        R"([])",
    };
    for (const char* text : invalid) {
        EXPECT_THROW(decode(text), JsonError) << text;
    }
}

TEST(AppSettingsJsonTest, NumbersAreTakenWithoutRangeChecks) {
    const AppSettings settings = decode(R"({"backupPBKDF2Iterations":-3,"backupSaltBytes":0})");
    EXPECT_EQ(settings.backupPBKDF2Iterations, -3);
    EXPECT_EQ(settings.backupSaltBytes, 0);
}

TEST(CodeFormatTest, FormatsCodesByLength) {
    struct Row {
        CodeFormat format;
        std::optional<std::string> code;
        const char* shown;
    };
    const Row rows[] = {
        {CodeFormat::grouped, "123456", "123 456"},     {CodeFormat::grouped, "12345678", "1234 5678"},
        {CodeFormat::grouped, "1234567", "1234567"},    {CodeFormat::grouped, "", ""},
        {CodeFormat::grouped, std::nullopt, "--- ---"}, {CodeFormat::plain, "123456", "123456"},
        {CodeFormat::plain, std::nullopt, "------"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(format(row.format, row.code), row.shown) << row.code.value_or("<none>");
    }
}

TEST(AppLanguageTest, RussianWhenAnyPreferredLanguageStartsWithRu) {
    struct Row {
        std::vector<std::string> preferred;
        AppLanguage expected;
    };
    const Row rows[] = {
        {{"en-US", "ru-RU"}, AppLanguage::russian},
        {{"RU_ru.UTF-8"}, AppLanguage::russian},
        {{"uk"}, AppLanguage::english},
        {{"en_GB", "fr"}, AppLanguage::english},
        {{}, AppLanguage::english},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(appLanguageForPreferredLanguages(row.preferred), row.expected)
            << ::testing::PrintToString(row.preferred);
    }
}

class SystemLanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : names) {
            if (const char* value = std::getenv(name)) saved_.emplace_back(name, value);
            ::unsetenv(name);
        }
    }
    void TearDown() override {
        for (const char* name : names) ::unsetenv(name);
        for (const auto& [name, value] : saved_) ::setenv(name.c_str(), value.c_str(), 1);
    }

    static constexpr const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

private:
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(SystemLanguageTest, ReadsTheLanguageListThenTheFirstLocaleVariable) {
    ::setenv("LANGUAGE", "en_US:ru", 1);
    ::setenv("LC_MESSAGES", "de_DE.UTF-8", 1);
    ::setenv("LANG", "ru_RU.UTF-8", 1);
    EXPECT_EQ(SystemLanguage::preferredLanguages(), (std::vector<std::string>{"en_US", "ru", "de_DE.UTF-8"}));
    EXPECT_EQ(SystemLanguage::appLanguage(), AppLanguage::russian);

    ::unsetenv("LANGUAGE");
    EXPECT_EQ(SystemLanguage::appLanguage(), AppLanguage::english) << "LC_MESSAGES comes before LANG";
}

TEST(SettingsDurationsTest, MapToTheirSeconds) {
    using std::chrono::seconds;
    EXPECT_EQ(timeout(AutoLockDuration::oneMinute), seconds(60));
    EXPECT_EQ(timeout(AutoLockDuration::fiveMinutes), seconds(300));
    EXPECT_EQ(timeout(AutoLockDuration::fifteenMinutes), seconds(900));
    EXPECT_EQ(timeout(AutoLockDuration::thirtyMinutes), seconds(1800));
    EXPECT_EQ(timeout(AutoLockDuration::never), std::nullopt);
    EXPECT_EQ(quorbit::seconds(ClipboardClearDuration::tenSeconds), seconds(10));
    EXPECT_EQ(quorbit::seconds(ClipboardClearDuration::thirtySeconds), seconds(30));
    EXPECT_EQ(quorbit::seconds(ClipboardClearDuration::sixtySeconds), seconds(60));
    EXPECT_EQ(quorbit::seconds(ClipboardClearDuration::never), std::nullopt);
}

}  // namespace
}  // namespace quorbit
