#include "ui/kit/Theme.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <functional>

#include "support/views/PixelProbe.h"
#include "ui/kit/Divider.h"
#include "ui/kit/OutlineContrastStyle.h"
#include "ui/kit/Palette.h"

namespace quorbit {
namespace {

// The test main applied the light theme over the offscreen platform's light palette.
TEST(ThemeTest, SystemKeepsThePaletteFoundAtStartAfterOurOwnReplacedIt) {
    Theme::apply(AppTheme::dark);
    EXPECT_TRUE(Palette::isDark(QApplication::palette()));
    const auto* style = qobject_cast<OutlineContrastStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->baseStyle()->name().toLower(), QStringLiteral("fusion"));
    EXPECT_FALSE(Theme::resolvesToDark(AppTheme::system));

    Theme::apply(AppTheme::system);
    EXPECT_FALSE(Palette::isDark(QApplication::palette()));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), Theme::palette(false).color(QPalette::Window));
}

// Probed at each control's left edge, away from arrows and text; the divider is quieter.
TEST(ThemeTest, EveryControlEdgeStandsOutFromTheWindowInBothThemes) {
    struct EdgeCase {
        const char* name;
        std::function<QWidget*()> make;
        double contrast;
    };
    const EdgeCase cases[] = {
        {"check box", [] { return new QCheckBox; }, 3.0}, {"radio button", [] { return new QRadioButton; }, 3.0},
        {"line edit", [] { return new QLineEdit; }, 3.0}, {"push button", [] { return new QPushButton; }, 3.0},
        {"combo box", [] { return new QComboBox; }, 3.0}, {"spin box", [] { return new QSpinBox; }, 3.0},
        {"divider", [] { return new Divider; }, 2.0},
    };
    for (const AppTheme theme : {AppTheme::dark, AppTheme::light}) {
        Theme::apply(theme);
        for (const EdgeCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (theme == AppTheme::dark ? " dark" : " light"));
            QWidget window;
            auto* layout = new QVBoxLayout(&window);
            layout->setContentsMargins(8, 8, 8, 8);
            QWidget* control = c.make();
            control->setFocusPolicy(Qt::NoFocus);  // the edge, not the focus ring
            layout->addWidget(control);
            window.resize(120, 60);
            window.show();
            QApplication::processEvents();
            const QImage image = window.grab().toImage();
            const int margin = control->height() / 4;
            const QRect edge(control->x(), control->y() + margin, 3, control->height() - 2 * margin);
            EXPECT_GE(test::inkContrast(image.copy(edge), image.pixelColor(0, 0)), c.contrast);
        }
    }
    Theme::apply(AppTheme::light);
}

}  // namespace
}  // namespace quorbit
