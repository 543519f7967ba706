#include "ui/kit/BrandIconView.h"

#include <gtest/gtest.h>

#include <QImage>

#include "ui/kit/Palette.h"

namespace quorbit {
namespace {

QImage picture(BrandIconView& view) {
    view.show();
    return view.grab().toImage();
}

TEST(BrandIconViewTest, ShowsTheProductIconClippedToRoundedCorners) {
    BrandIconView view(40, true);
    ASSERT_TRUE(view.showsBrandIcon());
    EXPECT_EQ(view.size(), QSize(40, 40));
    const QImage image = picture(view);
    const QColor window = view.palette().color(QPalette::Window);
    // Corners are cut away (radius 8.8), the middle of each edge is not.
    EXPECT_EQ(image.pixelColor(0, 0).rgb(), window.rgb());
    EXPECT_EQ(image.pixelColor(39, 39).rgb(), window.rgb());
    EXPECT_NE(image.pixelColor(0, 20).rgb(), window.rgb());
    EXPECT_NE(image.pixelColor(20, 0).rgb(), window.rgb());
}

TEST(BrandIconViewTest, FallsBackToTheTintedComputerSymbolInsideItsMargin) {
    BrandIconView view(52, true, nullptr, QStringLiteral(":/icons/none.svg"));
    EXPECT_FALSE(view.showsBrandIcon());
    const QImage image = picture(view);
    const QColor accent = Palette(view.palette()).accent();
    int accentPixels = 0;
    bool insideMargin = true;
    const double margin = 52 * 0.16;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).rgb() != accent.rgb()) continue;
            ++accentPixels;
            if (x < margin - 1 || y < margin - 1 || x > 52 - margin || y > 52 - margin) insideMargin = false;
        }
    }
    EXPECT_GT(accentPixels, 40);
    EXPECT_TRUE(insideMargin);
}

TEST(BrandIconViewTest, IsNamedForAssistiveToolsOnlyWhenNotHidden) {
    EXPECT_TRUE(BrandIconView(40, true).accessibleName().isEmpty());
    EXPECT_EQ(BrandIconView(40, false).accessibleName(), QStringLiteral("Quorbit"));
}

}  // namespace
}  // namespace quorbit
