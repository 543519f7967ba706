#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>

#include "SettingsWindowFixture.h"
#include "ui/kit/SettingsPicker.h"
#include "ui/kit/WarningLabel.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::settings;

class BehaviorAndAppTabTest : public SettingsWindowFixture {
protected:
    bool conflictShown() const { return find<WarningLabel>(names::shortcutConflictWarning)->isVisibleTo(window.get()); }
    QComboBox* menuOf(const char* picker) const { return find<SettingsPicker>(picker)->findChild<QComboBox*>(); }
};

KeyboardShortcut preset(KeyboardShortcutPreset choice) { return shortcut(choice); }

TEST_F(BehaviorAndAppTabTest, TheConflictWarningShowsForTheSameCombinationOnly) {
    using P = KeyboardShortcutPreset;
    KeyboardShortcut reordered = preset(P::optionCommandSpace);
    std::swap(reordered.modifiers.front(), reordered.modifiers.back());
    struct Case {
        const char* name;
        KeyboardShortcut open;
        KeyboardShortcut copy;
        bool conflict;
    };
    const std::vector<Case> cases{
        {"same preset", preset(P::controlOptionC), preset(P::controlOptionC), true},
        {"Space against C", preset(P::shiftOptionSpace), preset(P::shiftOptionC), false},
        {"one disabled", preset(P::disabled), preset(P::optionCommandC), false},
        {"both disabled", preset(P::disabled), preset(P::disabled), false},
        {"modifiers in another order", reordered, preset(P::optionCommandSpace), true},
    };
    open();
    showTab(names::behaviorTabButton);
    for (const Case& test : cases) {
        AppSettings changed = viewModel->settings();
        changed.openPanelShortcut = test.open;
        changed.copyCodeShortcut = test.copy;
        viewModel->setSettings(changed);
        EXPECT_EQ(conflictShown(), test.conflict) << test.name;
    }
}

TEST_F(BehaviorAndAppTabTest, ChoosingAPresetStoresItsShortcut) {
    open();
    showTab(names::behaviorTabButton);
    QComboBox* copyCode = menuOf(names::copyCodeShortcutPicker);
    ASSERT_NE(copyCode, nullptr);
    EXPECT_EQ(copyCode->currentText(), "Ctrl+Alt+C");
    EXPECT_LE(copyCode->width(), SettingsPicker::maximumMenuWidth);

    copyCode->setFocus();
    QTest::keyClick(copyCode, Qt::Key_Up);  // the Space preset just above: now both open the panel
    EXPECT_EQ(viewModel->settings().copyCodeShortcut, preset(KeyboardShortcutPreset::optionCommandSpace));
    EXPECT_TRUE(conflictShown());

    QTest::keyClick(copyCode, Qt::Key_Home);
    EXPECT_EQ(viewModel->settings().copyCodeShortcut, preset(KeyboardShortcutPreset::disabled));
    EXPECT_EQ(copyCode->currentText(), "Disabled");
    EXPECT_FALSE(conflictShown());
}

TEST_F(BehaviorAndAppTabTest, ResetPassesThroughOneIntermediateWriteToTheDefaults) {
    AppSettings stored = english();
    stored.openPanelShortcut = preset(KeyboardShortcutPreset::optionCommandSpace);
    stored.copyCodeShortcut = preset(KeyboardShortcutPreset::optionCommandSpace);
    open(stored);
    showTab(names::behaviorTabButton);
    EXPECT_TRUE(conflictShown());

    QTest::mouseClick(find<QPushButton>(names::resetShortcutsButton), Qt::LeftButton);

    ASSERT_EQ(writes.size(), 2u);  // the first write left both as they were
    EXPECT_EQ(writes.back().openPanelShortcut, preset(KeyboardShortcutPreset::optionCommandSpace));
    EXPECT_EQ(writes.back().copyCodeShortcut, preset(KeyboardShortcutPreset::optionCommandC));
    EXPECT_FALSE(conflictShown());

    stored.openPanelShortcut = preset(KeyboardShortcutPreset::shiftOptionC);
    viewModel->setSettings(stored);
    writes.clear();
    QTest::mouseClick(find<QPushButton>(names::resetShortcutsButton), Qt::LeftButton);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].openPanelShortcut, preset(KeyboardShortcutPreset::optionCommandSpace));
    EXPECT_EQ(writes[0].copyCodeShortcut, preset(KeyboardShortcutPreset::optionCommandSpace));
    EXPECT_EQ(writes[1].copyCodeShortcut, preset(KeyboardShortcutPreset::optionCommandC));
}

TEST_F(BehaviorAndAppTabTest, AStoredShortcutOfNoPresetShowsDisabledAndIsKept) {
    KeyboardShortcut edited = preset(KeyboardShortcutPreset::controlOptionSpace);
    edited.keyCode = 40;
    edited.keyEquivalent = "K";
    AppSettings stored = english();
    stored.openPanelShortcut = edited;
    open(stored);
    showTab(names::behaviorTabButton);

    EXPECT_EQ(menuOf(names::openPanelShortcutPicker)->currentText(), "Disabled");
    EXPECT_EQ(viewModel->settings().openPanelShortcut, edited);
    EXPECT_EQ(writes.size(), 1u);
}

TEST_F(BehaviorAndAppTabTest, LaunchAtLoginShowsWhatTheSystemReports) {
    struct Case {
        const char* name;
        std::optional<QuorbitError> failure;
        std::optional<bool> reported;
        bool shown;
    };
    const std::vector<Case> cases{
        {"refused", QuorbitError::persistenceFailure("no autostart folder"), std::nullopt, false},
        {"left off by the system", std::nullopt, false, false},
        {"turned on", std::nullopt, std::nullopt, true},
    };
    for (const Case& test : cases) {
        window.reset();
        viewModel.reset();
        loginItem.setState(false);
        loginItem.failChangesWith(test.failure);
        loginItem.reportAfterChange(test.reported);
        open();
        showTab(names::appTabButton);
        auto* toggle = find<QAbstractButton>(names::launchAtLoginToggle);

        QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(8, toggle->height() / 2));

        ASSERT_TRUE(QTest::qWaitFor([&] { return viewModel->statusMessage().has_value(); })) << test.name;
        EXPECT_EQ(toggle->isChecked(), test.shown) << test.name;
        EXPECT_EQ(viewModel->settings().launchAtLogin, test.shown) << test.name;
        EXPECT_EQ(loginItem.requests().back(), true) << test.name;
    }
}

}  // namespace
}  // namespace quorbit::test
