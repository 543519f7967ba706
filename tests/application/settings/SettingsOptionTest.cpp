#include <gtest/gtest.h>

#include <set>

#include "application/settings/AppTheme.h"
#include "application/settings/AutoLockDuration.h"
#include "application/settings/ClipboardClearDuration.h"
#include "application/settings/CodeFormat.h"
#include "application/settings/KeyboardShortcutPreset.h"
#include "application/settings/MenuBarIcon.h"

namespace quorbit {
namespace {

// Every picker choice is identified by a distinct raw value that leads back to it, and
// has a title in both languages.
template <typename T>
class SettingsOptionTest : public ::testing::Test {};

using OptionTypes = ::testing::Types<AutoLockDuration, ClipboardClearDuration, CodeFormat, MenuBarIcon, AppTheme,
                                     AppLanguage, KeyboardShortcutPreset, AccountSortOption>;
TYPED_TEST_SUITE(SettingsOptionTest, OptionTypes);

TYPED_TEST(SettingsOptionTest, RawValuesAreDistinctAndLeadBackToTheirCase) {
    std::set<std::string_view> seen;
    for (const TypeParam& option : allCases<TypeParam>()) {
        EXPECT_TRUE(seen.insert(rawValue(option)).second) << rawValue(option);
        EXPECT_EQ(settingsOptionFromRawValue<TypeParam>(rawValue(option)), option);
        EXPECT_FALSE(title(option, AppLanguage::english).empty());
        EXPECT_FALSE(title(option, AppLanguage::russian).empty());
    }
    EXPECT_EQ(settingsOptionFromRawValue<TypeParam>(""), std::nullopt);
}

TEST(SettingsOptionTitleTest, PicksTheLanguageOfThePair) {
    EXPECT_EQ(title(AutoLockDuration::never, AppLanguage::russian), "Никогда");
    EXPECT_EQ(title(ClipboardClearDuration::tenSeconds, AppLanguage::english), "10 sec");
    EXPECT_EQ(title(AccountSortOption::alphabetical, AppLanguage::russian), "По алфавиту");
    EXPECT_EQ(title(AppLanguage::russian, AppLanguage::english), "Русский") << "a language is titled in itself";
    EXPECT_EQ(title(CodeFormat::grouped, AppLanguage::russian), "123 456");
}

}  // namespace
}  // namespace quorbit
