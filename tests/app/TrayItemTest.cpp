#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>

#include <xcb/xcb.h>

#include "app/FakeGlobalHotKeyService.h"
#include "app/PanelWindow.h"
#include "app/SettingsWindowHost.h"
#include "app/TrayItem.h"
#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {
namespace {

class TrayItemTest : public ViewModelFixture {
protected:
    void SetUp() override { settingsWindow.emplace(makeViewModel()); }

    TrayItem& makeController(bool trayAvailable) {
        controller.emplace(*viewModel, hotKeys, *settingsWindow, trayAvailable);
        EXPECT_TRUE(QTest::qWaitFor([&] { return controller->panel() && controller->panel()->isVisible(); }));
        return *controller;
    }

    FakeGlobalHotKeyService hotKeys;
    std::optional<SettingsWindowHost> settingsWindow;
    std::optional<TrayItem> controller;
};

TEST_F(TrayItemTest, WithoutATrayThePanelOpensAtStartAsAnOrdinaryWindow) {
    PanelWindow& panel = *makeController(false).panel();

    EXPECT_EQ(panel.kind(), PanelWindow::Kind::ordinary);
    EXPECT_FALSE(panel.windowFlags().testFlag(Qt::FramelessWindowHint));
    QTest::keyClick(&panel, Qt::Key_Escape);
    EXPECT_TRUE(panel.isVisible()) << "nothing could bring it back";
}

TEST_F(TrayItemTest, TheFloatingPanelTogglesAndEscapeHidesIt) {
    TrayItem& shell = makeController(true);
    PanelWindow& panel = *shell.panel();
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

TEST_F(TrayItemTest, TheTrayShowsTheBrandMarkWithItsOwnContrastAtEveryPanelSize) {
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

class PanelAtTheTrayTest : public TrayItemTest {
protected:
    QRect area() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(PanelAtTheTrayTest, AClickOpensThePanelInTheCornerNearestThePointerAndAShortcutReusesIt) {
    TrayItem& shell = makeController(true);
    PanelWindow& panel = *shell.panel();
    ASSERT_TRUE(shell.findChild<QSystemTrayIcon*>()->geometry().isEmpty()) << "no tray host on the test display";
    shell.togglePanel();

    QCursor::setPos(area().bottomLeft() + QPoint(10, -5));
    shell.togglePanel();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return panel.geometry() == QRect(area().left() + 14, area().bottom() + 1 - 14 - 560, 392, 560);
    })) << panel.geometry().x()
        << "," << panel.geometry().y();

    QCursor::setPos(area().center());
    shell.showPanel();
    QTest::qWait(150);
    EXPECT_EQ(panel.geometry().topLeft(), QPoint(area().left() + 14, area().bottom() + 1 - 14 - 560))
        << "the last corner";
}

// Reads and writes the window properties a window manager would.
class DesktopProperties {
public:
    DesktopProperties()
        : connection_(qApp->nativeInterface<QNativeInterface::QX11Application>()->connection()),
          root_(xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root) {}

    xcb_atom_t atom(const char* name) const {
        auto* reply =
            xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t found = reply->atom;
        std::free(reply);
        return found;
    }
    std::vector<std::uint32_t> read(xcb_window_t window, const char* property) const {
        auto* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, atom(property), XCB_ATOM_ANY, 0, 64), nullptr);
        const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        std::vector<std::uint32_t> result(values, values + xcb_get_property_value_length(reply) / 4);
        std::free(reply);
        return result;
    }
    void writeCardinal(xcb_window_t window, const char* property, std::uint32_t value) const {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, atom(property), XCB_ATOM_CARDINAL, 32, 1,
                            &value);
        xcb_flush(connection_);
    }
    void remove(xcb_window_t window, const char* property) const {
        xcb_delete_property(connection_, window, atom(property));
        xcb_flush(connection_);
    }
    void unmap(xcb_window_t window) const {
        xcb_unmap_window(connection_, window);
        xcb_flush(connection_);
    }
    xcb_window_t root() const { return root_; }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_;
};

TEST_F(TrayItemTest, ThePanelAsksToBeOnEveryDesktopAndOutOfTaskbarAndPager) {
    const DesktopProperties x11;
    const auto window = static_cast<xcb_window_t>(makeController(true).panel()->winId());

    const std::vector<std::uint32_t> state = x11.read(window, "_NET_WM_STATE");
    for (const char* wanted : {"_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        EXPECT_NE(std::find(state.begin(), state.end(), x11.atom(wanted)), state.end()) << wanted;
    }
    EXPECT_EQ(x11.read(window, "_NET_WM_DESKTOP"), std::vector<std::uint32_t>{0xFFFFFFFF});
}

// What a window manager does to a window it shows on one desktop only, while the user is on
// another: it leaves the window on its desktop, or unmaps it.
struct ElsewhereCase {
    const char* name;
    std::function<void(const DesktopProperties&, xcb_window_t)> sendAway;
};

class PanelElsewhereTest : public TrayItemTest, public testing::WithParamInterface<ElsewhereCase> {
protected:
    void TearDown() override { DesktopProperties().remove(DesktopProperties().root(), "_NET_CURRENT_DESKTOP"); }
};

TEST_P(PanelElsewhereTest, ATrayClickBringsItHereInsteadOfHidingIt) {
    const DesktopProperties x11;
    PanelWindow& panel = *makeController(true).panel();
    const auto window = static_cast<xcb_window_t>(panel.winId());
    GetParam().sendAway(x11, window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel.isShownOnCurrentDesktop(); }));
    ASSERT_TRUE(panel.isVisible());

    controller->togglePanel();

    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.isShownOnCurrentDesktop(); }));
    controller->togglePanel();
    EXPECT_FALSE(panel.isVisible()) << "shown here, a click hides it again";
}

INSTANTIATE_TEST_SUITE_P(Desktops, PanelElsewhereTest,
                         testing::Values(ElsewhereCase{"LeftOnAnotherDesktop",
                                                       [](const DesktopProperties& x11, xcb_window_t window) {
                                                           x11.writeCardinal(x11.root(), "_NET_CURRENT_DESKTOP", 1);
                                                           x11.writeCardinal(window, "_NET_WM_DESKTOP", 0);
                                                       }},
                                         ElsewhereCase{"UnmappedByTheManager",
                                                       [](const DesktopProperties& x11, xcb_window_t window) {
                                                           x11.unmap(window);
                                                       }}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(TrayItemTest, EveryChangeOfASettingRegistersTheShortcutsAgain) {
    makeController(false);
    const int before = hotKeys.unregisterCount;

    AppSettings settings = viewModel->settings();
    settings.theme = AppTheme::dark;
    viewModel->setSettings(settings);

    EXPECT_TRUE(QTest::qWaitFor([&] { return hotKeys.unregisterCount == before + 1; }));
    EXPECT_EQ(hotKeys.registered.size(), 2U);
}

TEST_F(TrayItemTest, OpeningTheSettingsFirstStartsTheViewModelOnceAndCentresTheWindow) {
    settingsWindow->show();
    makeController(true);

    EXPECT_TRUE(viewModel->isStarted());
    EXPECT_EQ(migration.runCount(), 1);
    const QWidget& window = *settingsWindow->window();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry().center(), window.screen()->availableGeometry().center())
        << "centred, as no window manager may place it";
}

// Quit closes every window before it ends the program; a window that refuses stops it.
TEST_F(TrayItemTest, QuitFromTheMenuEndsTheProgramWhileTheSettingsWindowIsOpen) {
    TrayItem& shell = makeController(true);
    settingsWindow->show();
    QAction* quit = nullptr;
    for (QAction* action : shell.panel()->actions()) {
        if (action->text() == QStringLiteral("Quit")) quit = action;
    }
    ASSERT_NE(quit, nullptr);

    QTimer refused;
    refused.setSingleShot(true);
    QObject::connect(&refused, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    refused.start(5000);
    quit->trigger();
    EXPECT_EQ(QCoreApplication::exec(), 0) << "the quit was refused";
}

}  // namespace
}  // namespace quorbit::test
