#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include <algorithm>
#include <cmath>

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

// WCAG relative luminance of an opaque colour.
double luminance(const QColor& color) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

TEST_F(StatusItemControllerTest, TheTrayShowsTheBrandMarkWithItsOwnContrastAtEveryPanelSize) {
    QApplication::setPalette(QPalette(Qt::black));
    const QIcon icon = makeController(true).findChild<QSystemTrayIcon*>()->icon();
    QApplication::setPalette(QPalette());

    for (const int side : {16, 22, 24, 32}) {
        SCOPED_TRACE(side);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << "drawn for the size, not scaled";
        // Light and dark parts of its own that contrast 3:1, so it reads on any panel.
        const QImage image = icon.pixmap(side, side).toImage();
        double darkest = 1, lightest = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() < 250) continue;
                darkest = std::min(darkest, luminance(pixel));
                lightest = std::max(lightest, luminance(pixel));
            }
        }
        EXPECT_GE((lightest + 0.05) / (darkest + 0.05), 3.0);
    }
}

class PanelAtTheTrayTest : public StatusItemControllerTest {
protected:
    QRect area() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(PanelAtTheTrayTest, AClickOpensThePanelInTheCornerNearestThePointerAndAShortcutReusesIt) {
    QuorbitStatusItemController& shell = makeController(true);
    QuorbitFloatingPanel& panel = *shell.panel();
    ASSERT_TRUE(shell.findChild<QSystemTrayIcon*>()->geometry().isEmpty()) << "no tray host on the test display";
    shell.togglePanel();

    QCursor::setPos(area().bottomLeft() + QPoint(10, -5));
    shell.togglePanel();
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.geometry() == QRect(area().left() + 14, area().bottom() + 1 - 14 - 560, 392, 560); }))
        << panel.geometry().x() << "," << panel.geometry().y();

    QCursor::setPos(area().center());
    shell.showPanel();
    QTest::qWait(150);
    EXPECT_EQ(panel.geometry().topLeft(), QPoint(area().left() + 14, area().bottom() + 1 - 14 - 560)) << "the last corner";
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
