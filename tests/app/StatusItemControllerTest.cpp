#include <gtest/gtest.h>

#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "app/FakeGlobalHotKeyService.h"
#include "app/QuorbitFloatingPanel.h"
#include "app/QuorbitStatusItemController.h"
#include "app/SettingsWindowHost.h"
#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {
namespace {

class StatusItemControllerTest : public ViewModelFixture {
protected:
    void SetUp() override { settingsWindow.emplace(makeViewModel()); }

    QuorbitStatusItemController& makeController(bool trayAvailable) {
        controller.emplace(*viewModel, hotKeys, *settingsWindow, trayAvailable);
        EXPECT_TRUE(QTest::qWaitFor([&] { return controller->panel() && controller->panel()->isVisible(); }));
        return *controller;
    }

    FakeGlobalHotKeyService hotKeys;
    std::optional<SettingsWindowHost> settingsWindow;
    std::optional<QuorbitStatusItemController> controller;
};

TEST_F(StatusItemControllerTest, WithoutATrayThePanelOpensAtStartAsAnOrdinaryWindow) {
    QuorbitFloatingPanel& panel = *makeController(false).panel();

    EXPECT_EQ(panel.kind(), QuorbitFloatingPanel::Kind::ordinary);
    EXPECT_FALSE(panel.windowFlags().testFlag(Qt::FramelessWindowHint));
    QTest::keyClick(&panel, Qt::Key_Escape);
    EXPECT_TRUE(panel.isVisible()) << "nothing could bring it back";
}

TEST_F(StatusItemControllerTest, TheFloatingPanelTogglesAndEscapeHidesIt) {
    QuorbitStatusItemController& shell = makeController(true);
    QuorbitFloatingPanel& panel = *shell.panel();
    EXPECT_TRUE(panel.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(panel.size(), QSize(392, 560));

    shell.togglePanel();
    EXPECT_FALSE(panel.isVisible());
    shell.togglePanel();
    EXPECT_TRUE(panel.isVisible());
    QTest::keyClick(&panel, Qt::Key_Escape);
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(StatusItemControllerTest, EveryChangeOfASettingRegistersTheShortcutsAgain) {
    makeController(false);
    const int before = hotKeys.unregisterCount;

    AppSettings settings = viewModel->settings();
    settings.theme = AppTheme::dark;
    viewModel->setSettings(settings);

    EXPECT_TRUE(QTest::qWaitFor([&] { return hotKeys.unregisterCount == before + 1; }));
    EXPECT_EQ(hotKeys.registered.size(), 2U);
}

TEST_F(StatusItemControllerTest, OpeningTheSettingsFirstStartsTheViewModelOnceAndCentresTheWindow) {
    settingsWindow->show();
    makeController(true);

    EXPECT_TRUE(viewModel->isStarted());
    EXPECT_EQ(migration.runCount(), 1);
    const QWidget& window = *settingsWindow->window();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry().center(), window.screen()->availableGeometry().center())
        << "centred, as no window manager may place it";
}

}  // namespace
}  // namespace quorbit::test
