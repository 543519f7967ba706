#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include "ui/ObjectNames.h"
#include "ui/kit/ClampedLabel.h"
#include "ui/panel/AccountList.h"
#include "ui/panel/AccountRow.h"
#include "ui/panel/LockScreen.h"
#include "PanelFixture.h"

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
