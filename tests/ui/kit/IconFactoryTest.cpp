#include "ui/kit/IconFactory.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>

#include "support/views/UsedSymbols.h"

namespace quorbit {
namespace {

int pixelsOf(const QImage& image, const QColor& color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // Antialiased edges keep the hue; only coverage varies.
            const QColor pixel = image.pixelColor(x, y);
            const bool sameHue = std::abs(pixel.red() - color.red()) <= 8 &&
                                 std::abs(pixel.green() - color.green()) <= 8 &&
                                 std::abs(pixel.blue() - color.blue()) <= 8;
            if (pixel.alpha() >= 160 && sameHue) ++count;
        }
    }
    return count;
}

TEST(IconFactoryTest, DrawsEveryUsedSymbolInTheAskedColour) {
    const QColor teal(0, 128, 128);
    for (const QString& name : test::usedSymbols()) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(IconFactory::hasSymbol(name));
        const QImage image = IconFactory::pixmap(name, QSize(24, 24), teal).toImage();
        EXPECT_EQ(image.size(), QSize(24, 24));
        EXPECT_GT(pixelsOf(image, teal), 8);
    }
}

TEST(IconFactoryTest, UnknownNamesAndBrokenCompositionsDrawNothing) {
    for (const char* name : {"no.such.symbol", "nosuch.slash", "nosuch.circle", "clock.badge.nosuch", ".badge.plus"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(IconFactory::hasSymbol(QString::fromLatin1(name)));
        const QImage image = IconFactory::pixmap(QString::fromLatin1(name), QSize(16, 16), Qt::black).toImage();
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_EQ(pixelsOf(image, Qt::black), 0);
    }
}

TEST(IconFactoryTest, IconsFollowTheModeAndTheDevicePixelRatio) {
    const QIcon icon = IconFactory::icon(QStringLiteral("trash"), Qt::red);
    const QImage normal = icon.pixmap(QSize(16, 16), 2.0).toImage();
    EXPECT_EQ(normal.size(), QSize(32, 32));
    EXPECT_GT(pixelsOf(normal, Qt::red), 8);

    const QImage disabled = icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage();
    int maxAlpha = 0;
    for (int y = 0; y < disabled.height(); ++y) {
        for (int x = 0; x < disabled.width(); ++x) maxAlpha = std::max(maxAlpha, disabled.pixelColor(x, y).alpha());
    }
    EXPECT_GT(maxAlpha, 0);
    EXPECT_LT(maxAlpha, 100);
}

// The check of the filled shield is drawn white in its file: it must stay a hole once tinted.
TEST(IconFactoryTest, AFilledSymbolKeepsItsInnerMarkWhenRecoloured) {
    const QImage shield =
        IconFactory::pixmap(QStringLiteral("checkmark.shield.fill"), QSize(48, 48), Qt::green).toImage();
    EXPECT_LT(qAlpha(shield.pixel(21, 29)), 60);   // the check's corner
    EXPECT_GT(qAlpha(shield.pixel(24, 10)), 200);  // the shield above it
    EXPECT_GT(qAlpha(shield.pixel(24, 38)), 200);  // and below it
}

}  // namespace
}  // namespace quorbit
