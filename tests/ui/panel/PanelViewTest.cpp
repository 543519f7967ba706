#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include "PanelFixture.h"
#include "support/views/PixelProbe.h"
#include "ui/ObjectNames.h"
#include "ui/kit/ClampedLabel.h"
#include "ui/panel/AccountList.h"
#include "ui/panel/AccountRow.h"
#include "ui/panel/LockScreen.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::panel;

class PanelViewTest : public PanelFixture {};

struct StateCase {
    const char* name;
    bool unlocked;
    bool addForm;
    bool onboarding;
    const char* page;
    bool lockShown, settingsEnabled, addEnabled, qrEnabled, footerShown;
};

TEST_F(PanelViewTest, EachStateShowsItsPageAndEnablesItsControls) {
    const StateCase cases[] = {
        {"locked", false, false, false, names::lockScreen, false, false, false, false, true},
        {"unlocked list", true, false, false, names::listPage, true, true, true, true, true},
        {"add form", true, true, false, names::addForm, true, true, false, true, true},
        {"onboarding with a status", false, false, true, names::onboarding, false, false, false, false, false},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.name);
        storeAccounts(sampleAccounts());
        AppSettings settings;
        settings.language = AppLanguage::english;
        PanelView& view = makePanel(settings, c.unlocked);
        if (c.addForm) viewModel->setShowingAddToken(true);
        if (c.onboarding) {
            viewModel->resetOnboardingFromSettings();  // shows the introduction and sets a status
            ASSERT_TRUE(viewModel->statusMessage());
        } else {
            viewModel->setStatusMessage(QStringLiteral("Ready"));
        }
        view.show();
        settle();

        QWidget* page = find<QWidget>(c.page);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->isVisibleTo(&view));
        EXPECT_EQ(find<QToolButton>(names::lockButton)->isVisibleTo(&view), c.lockShown);
        EXPECT_EQ(find<QToolButton>(names::settingsButton)->isEnabled(), c.settingsEnabled);
        EXPECT_EQ(find<QPushButton>(names::addButton)->isEnabled(), c.addEnabled);
        EXPECT_EQ(find<QPushButton>(names::qrButton)->isEnabled(), c.qrEnabled);
        EXPECT_EQ(find<QWidget>(names::footer)->isVisibleTo(&view), c.footerShown);
        EXPECT_EQ(find<ClampedLabel>(names::statusLine)->isVisibleTo(&view), c.footerShown);
        panel.reset();
        viewModel.reset();
    }
}

// Controls that show a symbol, or whose caption stands beside them, carry a name of their own.
TEST_F(PanelViewTest, ControlsWithoutATextOfTheirOwnHaveAnAccessibleName) {
    struct NameCase {
        const char* control;
        const char* english;
        const char* russian;
    };
    const NameCase cases[] = {
        {names::qrButton, "Import QR Code", "Импорт QR-кода"},
        {names::otpType, "Type", "Тип"},
        {names::otpAlgorithm, "Algorithm", "Алгоритм"},
        {names::otpDigits, "Digits", "Символов"},
    };
    for (const AppLanguage language : {AppLanguage::english, AppLanguage::russian}) {
        AppSettings settings;
        settings.language = language;
        PanelView& view = makePanel(settings, true);
        view.show();
        find<QPushButton>(names::addButton)->click();
        for (const NameCase& c : cases) {
            SCOPED_TRACE(c.control);
            EXPECT_EQ(find<QWidget>(c.control)->accessibleName(),
                      QString::fromUtf8(language == AppLanguage::russian ? c.russian : c.english));
        }
        panel.reset();
        viewModel.reset();
    }
}

// Tab from the search reaches the menus and then the first row, each drawn otherwise while it
// holds the focus.
TEST_F(PanelViewTest, EveryTabStopFromTheSearchToTheFirstRowShowsItsFocus) {
    storeAccounts(sampleAccounts());
    PanelView& view = makePanel({}, true);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    find<QLineEdit>(names::searchField)->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> stops;
    std::vector<QImage> focusedLooks;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops.push_back(QApplication::focusWidget());
        focusedLooks.push_back(grabInWindow(stops.back()));
    }
    EXPECT_EQ(stops[0], find<QWidget>(names::filterMenu));
    EXPECT_EQ(stops[1], find<QWidget>(names::sortMenu));
    EXPECT_NE(qobject_cast<AccountRow*>(stops[2]), nullptr)
        << stops[2]->metaObject()->className() << " " << stops[2]->objectName().toStdString();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    for (std::size_t i = 0; i < stops.size(); ++i) {
        EXPECT_NE(grabInWindow(stops[i]), focusedLooks[i]) << stops[i]->metaObject()->className();
    }
}

TEST_F(PanelViewTest, StatusLineShowsAnEmptyMessageAndHidesAMissingOne) {
    PanelView& view = makePanel({}, true);
    view.show();
    auto* status = find<ClampedLabel>(names::statusLine);
    viewModel->setStatusMessage(QString());
    EXPECT_TRUE(status->isVisibleTo(&view));
    EXPECT_GT(status->heightForWidth(300), 0);
    viewModel->setStatusMessage(std::nullopt);
    EXPECT_FALSE(status->isVisibleTo(&view));
}

TEST_F(PanelViewTest, ReturnOnTheLockScreenUnlocks) {
    storeAccounts(sampleAccounts());
    PanelView& view = makePanel({}, false);
    view.show();
    QTest::keyClick(find<QPushButton>(names::unlockButton), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return unlockFinished(); }));
    EXPECT_TRUE(viewModel->isUnlocked());
    EXPECT_TRUE(find<QWidget>(names::listPage)->isVisibleTo(&view));
}

TEST_F(PanelViewTest, SettingsButtonAsksForTheSettingsWindowOnlyWhileUnlocked) {
    PanelView& view = makePanel({}, false);
    QSignalSpy requests(&view, &PanelView::settingsRequested);
    auto* settings = find<QToolButton>(names::settingsButton);
    EXPECT_EQ(settings->shortcut(), QKeySequence(QStringLiteral("Ctrl+,")));
    settings->click();
    EXPECT_EQ(requests.count(), 0);
    run(viewModel->unlock());
    settings->click();
    EXPECT_EQ(requests.count(), 1);
}

TEST_F(PanelViewTest, LockButtonLocksAndClosesTheAddForm) {
    PanelView& view = makePanel({}, true);
    view.show();
    find<QPushButton>(names::addButton)->click();
    EXPECT_TRUE(viewModel->showingAddToken());
    find<QToolButton>(names::lockButton)->click();
    EXPECT_FALSE(viewModel->isUnlocked());
    EXPECT_FALSE(viewModel->showingAddToken());
    EXPECT_TRUE(find<QWidget>(names::lockScreen)->isVisibleTo(&view));
}

TEST_F(PanelViewTest, SearchTypingSurvivesATickAndAnOutsideChangeIsShown) {
    storeAccounts(sampleAccounts());
    PanelView& view = makePanel({}, true);
    view.show();
    auto* search = find<QLineEdit>(names::searchField);
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("gith"));
    search->setCursorPosition(2);
    EXPECT_EQ(viewModel->query(), QStringLiteral("gith"));
    run(viewModel->refreshTick());
    EXPECT_EQ(search->text(), QStringLiteral("gith"));
    EXPECT_EQ(search->cursorPosition(), 2);
    viewModel->setQuery(QStringLiteral("aws"));
    EXPECT_EQ(search->text(), QStringLiteral("aws"));
}

}  // namespace
}  // namespace quorbit::test
