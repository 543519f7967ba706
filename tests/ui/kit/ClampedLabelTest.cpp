#include "ui/kit/ClampedLabel.h"

#include <gtest/gtest.h>

namespace quorbit {
namespace {

TEST(ClampedLabelTest, WrapsOntoItsLinesAndEndsCutTextWithAnEllipsis) {
    ClampedLabel label(2);
    label.setText("Imported accounts keep their tags, their favourite marks and their places in the trash");
    const QStringList lines = label.visibleLines(160);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("Imported"));
    EXPECT_TRUE(lines[1].endsWith(QChar(0x2026)));
    EXPECT_LE(label.fontMetrics().horizontalAdvance(lines[1]), 160);
    EXPECT_EQ(label.heightForWidth(160), 2 * label.fontMetrics().lineSpacing());
}

TEST(ClampedLabelTest, ShortTextIsOneLineAsWrittenAndMarkupIsNotInterpreted) {
    ClampedLabel label(3);
    label.setText("<b>Tom & Jerry</b>");
    EXPECT_EQ(label.visibleLines(400), QStringList{"<b>Tom & Jerry</b>"});
    EXPECT_EQ(label.heightForWidth(400), label.fontMetrics().lineSpacing());
    EXPECT_EQ(label.accessibleName(), "<b>Tom & Jerry</b>");
}

TEST(ClampedLabelTest, LineBreaksStartNewLinesAndAZeroLimitShowsEverything) {
    ClampedLabel unlimited(0);
    unlimited.setText("one\ntwo\nthree\nfour");
    EXPECT_EQ(unlimited.visibleLines(400), (QStringList{"one", "two", "three", "four"}));
    ClampedLabel clamped(2);
    clamped.setText("one\ntwo\nthree");
    EXPECT_EQ(clamped.visibleLines(400), (QStringList{"one", QStringLiteral("two\u2026")}));
}

}  // namespace
}  // namespace quorbit
