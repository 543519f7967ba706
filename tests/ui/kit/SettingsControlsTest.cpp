#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include "ui/kit/Palette.h"
#include "ui/kit/SettingsNumberField.h"
#include "ui/kit/SettingsPicker.h"
#include "ui/kit/StyledLabel.h"
#include "ui/kit/Theme.h"

namespace quorbit {
namespace {

TEST(SettingsControlsTest, ToneFollowsAThemeSwitchWhileShown) {
    QWidget page;
    auto* note = new StyledLabel(TextStyle::caption, StyledLabel::Tone::secondary, &page);
    page.show();
    Theme::apply(AppTheme::dark);
    QApplication::processEvents();
    const QColor dark = note->palette().color(QPalette::WindowText);
    Theme::apply(AppTheme::light);
    QApplication::processEvents();
    const QColor light = note->palette().color(QPalette::WindowText);

    EXPECT_EQ(dark, Palette(Theme::palette(true)).secondaryText());
    EXPECT_EQ(light, Palette(Theme::palette(false)).secondaryText());
}

TEST(SettingsControlsTest, AMenuPickerStaysWithin280AndAnUnlistedValueSelectsNothingSilently) {
    SettingsPicker picker(SettingsPickerStyle::menu, true);
    picker.setOptionTitles({"Disabled", QString(120, QLatin1Char('W'))});
    picker.show();
    QSignalSpy activated(&picker, &SettingsPicker::activated);

    picker.setSelection(AppTheme::dark);  // a value of no option here: index 2 of 2
    picker.setCurrentIndex(1);
    picker.setCurrentIndex(5);

    EXPECT_EQ(picker.currentIndex(), -1);
    EXPECT_EQ(picker.findChild<QComboBox*>()->currentText(), QString());
    EXPECT_LE(picker.findChild<QComboBox*>()->width(), SettingsPicker::maximumMenuWidth);
    EXPECT_EQ(activated.count(), 0);
}

TEST(SettingsControlsTest, NumberFieldReadsDigitsWithOrWithoutGrouping) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::pair<QString, std::optional<std::int64_t>> cases[] = {
        {"100000", 100'000}, {"1,000,000", 1'000'000}, {" 250 000 ", 250'000}, {"-5", -5},
        {"", std::nullopt},  {"1.5", std::nullopt},    {"12k", std::nullopt},  {"99999999999999999999", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(SettingsNumberField::parse(text), expected) << text.toStdString();
    EXPECT_EQ(SettingsNumberField::format(10'000'000), "10,000,000");
}

TEST(SettingsControlsTest, NumberFieldReportsOnlyAChangedEntryAndPutsBackText) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SettingsNumberField field;
    field.setValue(16);
    field.show();
    QSignalSpy entered(&field, &SettingsNumberField::valueEntered);

    QTest::keyClick(&field, Qt::Key_Return);  // nothing typed
    field.selectAll();
    QTest::keyClicks(&field, "abc");
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(field.text(), "16");
    field.selectAll();
    QTest::keyClicks(&field, "32");
    field.setValue(24);  // a change made elsewhere while typing leaves the entry alone
    EXPECT_EQ(field.text(), "32");
    QTest::keyClick(&field, Qt::Key_Return);

    ASSERT_EQ(entered.count(), 1);
    EXPECT_EQ(entered.at(0).at(0).value<std::int64_t>(), 32);
    EXPECT_EQ(field.text(), "24");  // the value stored meanwhile, as nothing echoed the entry
}

}  // namespace
}  // namespace quorbit
