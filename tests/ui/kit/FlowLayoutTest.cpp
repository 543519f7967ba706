#include "ui/kit/FlowLayout.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace quorbit {
namespace {

struct ColumnCase {
    int width, spacing, columns;
};

class FlowLayoutColumnTest : public testing::TestWithParam<ColumnCase> {};

TEST_P(FlowLayoutColumnTest, FitsAsManyColumnsOfAtLeast86AsTheWidthAllows) {
    const ColumnCase& c = GetParam();
    EXPECT_EQ(FlowLayout::columnCount(c.width, c.spacing), c.columns);
}

INSTANTIATE_TEST_SUITE_P(Table, FlowLayoutColumnTest,
                         testing::Values(ColumnCase{0, 6, 1}, ColumnCase{40, 6, 1}, ColumnCase{91, 6, 1},
                                         ColumnCase{177, 6, 1}, ColumnCase{178, 6, 2}, ColumnCase{270, 6, 3},
                                         ColumnCase{368, 6, 4}, ColumnCase{172, 0, 2}, ColumnCase{171, 0, 1}));

// Chips of a fixed size in a container of the given width.
struct Chips {
    QWidget container;
    FlowLayout* layout = new FlowLayout(&container, 6);
    std::vector<QWidget*> chips;

    Chips(int count, QSize chip, int width) {
        for (int i = 0; i < count; ++i) {
            auto* widget = new QWidget;
            widget->setFixedSize(chip);
            layout->addWidget(widget);
            chips.push_back(widget);
        }
        layout->setGeometry(QRect(0, 0, width, layout->heightForWidth(width)));
    }
};

TEST(FlowLayoutTest, PlacesChipsRowByRowWithSpacingBetweenColumnsAndRows) {
    // 274 px: (274 + 6) / 92 = 3 columns of (274 − 12) / 3 = 87 px.
    Chips chips(5, QSize(60, 20), 274);
    std::vector<QPoint> positions;
    for (QWidget* chip : chips.chips) positions.push_back(chip->geometry().topLeft());
    EXPECT_EQ(positions, (std::vector<QPoint>{{0, 0}, {93, 0}, {186, 0}, {0, 26}, {93, 26}}));
    EXPECT_EQ(chips.layout->heightForWidth(274), 46);
    EXPECT_EQ(chips.chips[0]->width(), 60);  // narrower than its cell: kept, at the leading edge
}

TEST(FlowLayoutTest, BelowOneColumnAndTheSpacingEveryChipHasItsOwnRow) {
    Chips chips(3, QSize(50, 18), 91);
    EXPECT_EQ(chips.chips[1]->geometry().topLeft(), QPoint(0, 24));
    EXPECT_EQ(chips.chips[2]->geometry().topLeft(), QPoint(0, 48));
    EXPECT_EQ(chips.layout->heightForWidth(91), 66);
}

TEST(FlowLayoutTest, RowsAreAsTallAsTheirTallestChipWhichCentresTheOthers) {
    Chips chips(2, QSize(40, 20), 200);
    chips.chips[1]->setFixedSize(40, 30);
    chips.layout->setGeometry(QRect(0, 0, 200, 30));
    EXPECT_EQ(chips.chips[0]->geometry().top(), 5);
    EXPECT_EQ(chips.layout->heightForWidth(200), 30);
    chips.chips[1]->hide();
    EXPECT_EQ(chips.layout->heightForWidth(200), 20);
    EXPECT_EQ(FlowLayout(nullptr).heightForWidth(200), 0);
}

}  // namespace
}  // namespace quorbit
