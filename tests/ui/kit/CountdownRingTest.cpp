#include "ui/kit/CountdownRing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <numbers>

#include "ui/kit/HotpCounterBadge.h"
#include "ui/kit/Palette.h"
#include "ui/kit/Theme.h"

namespace quorbit {
namespace {

struct RingCase {
    std::int64_t value, total;
    double progress;
    const char* text;
    bool accent;
};

class CountdownRingTest : public testing::TestWithParam<RingCase> {};

TEST_P(CountdownRingTest, ProgressNumberAndColourFollowTheSecondsLeft) {
    const RingCase& c = GetParam();
    const CountdownRing ring(c.value, c.total);
    const Palette colors(Theme::palette(false));
    EXPECT_DOUBLE_EQ(ring.progress(), c.progress);
    EXPECT_EQ(ring.text(), c.text);
    EXPECT_EQ(ring.color(colors), c.accent ? colors.accent() : colors.orange());
}

INSTANTIATE_TEST_SUITE_P(Table, CountdownRingTest,
                         testing::Values(RingCase{30, 30, 1.0, "30", true}, RingCase{6, 30, 0.2, "6", true},
                                         RingCase{5, 30, 5.0 / 30, "5", false}, RingCase{0, 30, 0.0, "0", false},
                                         RingCase{-3, 30, 0.0, "0", false}, RingCase{12, 0, 0.0, "12", true},
                                         RingCase{12, -30, 0.0, "12", true}));

// The colour at `clock` o'clock on a ring drawn in a 60 px square, just on its line.
QColor colourAt(const QImage& image, double clock) {
    const double angle = clock / 12 * 2 * std::numbers::pi;
    const double radius = (60 - 3) / 2.0;
    return image.pixelColor(int(std::lround(30 + radius * std::sin(angle))),
                            int(std::lround(30 - radius * std::cos(angle))));
}

TEST(CountdownRingDrawingTest, ArcStartsAtTwelveAndRunsClockwise) {
    const Palette colors(Theme::palette(false));
    QImage image(60, 60, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CountdownRing(10, 40).paint(painter, QRectF(0, 0, 60, 60), colors);  // a quarter, 12 to 3 o'clock
    painter.end();
    const QColor accent = colors.accent();
    EXPECT_EQ(colourAt(image, 1.5).rgb(), accent.rgb());
    EXPECT_EQ(colourAt(image, 0.5).rgb(), accent.rgb());
    EXPECT_NE(colourAt(image, 11).rgb(), accent.rgb());
    EXPECT_NE(colourAt(image, 4.5).rgb(), accent.rgb());
    EXPECT_NE(colourAt(image, 7).rgb(), accent.rgb());
}

TEST(HotpCounterBadgeTest, ShowsTheCounterAsASigned64BitNumber) {
    EXPECT_EQ(HotpCounterBadge(-1).text(), "#-1");
    EXPECT_EQ(HotpCounterBadge(0).text(), "#0");
    EXPECT_EQ(HotpCounterBadge(9223372036854775807).text(), "#9223372036854775807");
}

}  // namespace
}  // namespace quorbit
