#include "ui/kit/Theme.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>

#include "ui/kit/Palette.h"

namespace quorbit {
namespace {

// The test main applied the light theme over the offscreen platform's light palette.
TEST(ThemeTest, SystemKeepsThePaletteFoundAtStartAfterOurOwnReplacedIt) {
    Theme::apply(AppTheme::dark);
    EXPECT_TRUE(Palette::isDark(QApplication::palette()));
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    EXPECT_FALSE(Theme::resolvesToDark(AppTheme::system));

    Theme::apply(AppTheme::system);
    EXPECT_FALSE(Palette::isDark(QApplication::palette()));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), Theme::palette(false).color(QPalette::Window));
}

}  // namespace
}  // namespace quorbit
