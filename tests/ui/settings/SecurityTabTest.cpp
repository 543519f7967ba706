#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "SettingsWindowFixture.h"
#include "ui/kit/WarningLabel.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::settings;

class SecurityTabTest : public SettingsWindowFixture {
protected:
    void enter(const char* field, const QString& text) {
        auto* edit = find<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    bool warningShown() const { return find<WarningLabel>(names::iterationsWarning)->isVisibleTo(window.get()); }
};

TEST_F(SecurityTabTest, TheIterationEntryIsKeptWithinBoundsAndOnlyALowEntryWarns) {
    struct Case {
        QString entry;
        bool warns;
        std::int64_t stored;
        QString shown;
    };
    const std::vector<Case> cases{
        {"50000", true, 100'000, "100,000"},    {"100000", false, 100'000, "100,000"},
        {"250,000", false, 250'000, "250,000"}, {"20000000", false, 10'000'000, "10,000,000"},
        {"99,999", true, 100'000, "100,000"},
    };
    open();
    showTab(names::securityTabButton);
    for (const Case& test : cases) {
        enter(names::iterationsField, test.entry);
        // The stored floor comes back to the field; that echo must leave the warning alone.
        EXPECT_EQ(warningShown(), test.warns) << test.entry.toStdString();
        EXPECT_EQ(viewModel->settings().backupPBKDF2Iterations, test.stored) << test.entry.toStdString();
        EXPECT_EQ(find<QLineEdit>(names::iterationsField)->text(), test.shown) << test.entry.toStdString();
    }
}

TEST_F(SecurityTabTest, TheWarningIsAbsentOnOpeningAndTextThatIsNoNumberPutsTheValueBack) {
    open();
    showTab(names::securityTabButton);
    EXPECT_FALSE(warningShown());
    EXPECT_EQ(find<QLineEdit>(names::iterationsField)->text(), "120,000");

    enter(names::iterationsField, "lots");

    EXPECT_EQ(find<QLineEdit>(names::iterationsField)->text(), "120,000");
    EXPECT_EQ(viewModel->settings().backupPBKDF2Iterations, 120'000);
    EXPECT_FALSE(warningShown());
    EXPECT_EQ(writes.size(), 1u);
}

// Kept where a backup uses it, 16 to 1024 bytes, and shown as used.
TEST_F(SecurityTabTest, TheSaltLengthIsKeptBetween16And1024BytesAndShownAsUsed) {
    const std::pair<QString, std::int64_t> cases[] = {{"8", 16},  {"32", 32},     {"0", 16},
                                                      {"-5", 16}, {"4096", 1024}, {"16", 16}};
    AppSettings older = english();
    older.backupSaltBytes = 8;  // from a settings file of before the floor
    open(older);
    showTab(names::securityTabButton);
    EXPECT_EQ(find<QLineEdit>(names::saltField)->text(), QStringLiteral("16"));
    for (const auto& [entry, stored] : cases) {
        enter(names::saltField, entry);
        EXPECT_EQ(viewModel->settings().backupSaltBytes, stored) << entry.toStdString();
        EXPECT_EQ(viewModel->backupSaltBytes(), stored) << entry.toStdString();
        EXPECT_EQ(find<QLineEdit>(names::saltField)->text(), QLocale().toString(qlonglong(stored)))
            << entry.toStdString();
        EXPECT_FALSE(warningShown());
    }
}

TEST_F(SecurityTabTest, TheDoorsOpenOneWindowEachAndBringItBackOnTheSecondPress) {
    open();
    showTab(names::securityTabButton);
    QTest::mouseClick(find<QPushButton>(names::securityCenterButton), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(names::securityCenterButton), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(names::securityLogButton), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(names::dataLifecycleButton), Qt::LeftButton);

    EXPECT_EQ(windows.madeKinds(), (std::vector<std::string>{"securityAudit", "securityLog", "dataLifecycle"}));
    EXPECT_EQ(windows.showCount(0), 2);
    EXPECT_EQ(windows.showCount(1), 1);
    EXPECT_EQ(windows.showCount(2), 1);
}

TEST_F(SecurityTabTest, TogglesWriteTheirSettingAndFollowChangesMadeElsewhere) {
    AppSettings stored = english();
    stored.lockOnSleepOrScreenLock = true;
    stored.requireUnlockOnLaunch = false;
    open(stored);
    showTab(names::securityTabButton);
    auto* lockOnSleep = find<QAbstractButton>(names::lockOnSleepToggle);
    auto* requireUnlock = find<QAbstractButton>(names::requireUnlockToggle);
    EXPECT_TRUE(lockOnSleep->isChecked());
    EXPECT_FALSE(requireUnlock->isChecked());

    QTest::mouseClick(lockOnSleep, Qt::LeftButton, {}, QPoint(8, lockOnSleep->height() / 2));
    EXPECT_FALSE(viewModel->settings().lockOnSleepOrScreenLock);

    AppSettings changed = viewModel->settings();
    changed.requireUnlockOnLaunch = true;
    viewModel->setSettings(changed);
    EXPECT_TRUE(requireUnlock->isChecked());
    EXPECT_EQ(writes.size(), 3u);
}

}  // namespace
}  // namespace quorbit::test
