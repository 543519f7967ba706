#include "ui/kit/WrappingRowLayout.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace quorbit {
namespace {

// A bar as the selection bars have it: a 100 px label, a stretch, then three buttons of 80,
// 60 and 90 px, all 20 px tall, with 6 px spacing and the lines without a stretch trailing.
struct Bar {
    QWidget container;
    WrappingRowLayout* layout = new WrappingRowLayout(&container, 6);
    std::vector<QWidget*> items;

    Bar() {
        layout->setLineAlignment(Qt::AlignTrailing);
        add(100);
        layout->addStretch();
        for (int width : {80, 60, 90}) add(width);
    }

    void add(int width) {
        auto* widget = new QWidget;
        widget->setFixedSize(width, 20);
        layout->addWidget(widget);
        items.push_back(widget);
    }

    std::vector<QPoint> placedAt(int width) {
        layout->setGeometry(QRect(0, 0, width, layout->heightForWidth(width)));
        std::vector<QPoint> positions;
        for (QWidget* item : items) positions.push_back(item->geometry().topLeft());
        return positions;
    }
};

TEST(WrappingRowLayoutTest, WrapsWhereTheNextItemDoesNotFitAndAlignsTheLines) {
    struct Case {
        int width;
        std::vector<QPoint> positions;
        int height;
    };
    const std::vector<Case> cases = {
        // 348 px in one line: the stretch takes the other 52.
        {400, {{0, 0}, {158, 0}, {244, 0}, {310, 0}}, 20},
        // The last button goes on alone, at the trailing edge.
        {300, {{0, 0}, {154, 0}, {240, 0}, {210, 26}}, 46},
        // Only the label fits beside the stretch; the buttons fill the lines below.
        {150, {{0, 0}, {4, 26}, {90, 26}, {60, 52}}, 72},
    };
    for (const Case& c : cases) {
        Bar bar;
        EXPECT_EQ(bar.placedAt(c.width), c.positions) << c.width;
        EXPECT_EQ(bar.layout->heightForWidth(c.width), c.height) << c.width;
    }
}

TEST(WrappingRowLayoutTest, HiddenItemsTakeNoPlace) {
    Bar bar;
    bar.items[2]->hide();
    EXPECT_EQ(bar.placedAt(300)[3], QPoint(210, 0));
    EXPECT_EQ(bar.layout->heightForWidth(300), 20);
}

TEST(WrappingRowLayoutTest, PrefersOneLineAndNeedsOnlyTheWidestItem) {
    Bar bar;
    EXPECT_EQ(bar.layout->sizeHint(), QSize(348, 20));
    EXPECT_EQ(bar.layout->minimumSize(), QSize(100, 20));
    EXPECT_EQ(WrappingRowLayout().heightForWidth(200), 0);
}

}  // namespace
}  // namespace quorbit
