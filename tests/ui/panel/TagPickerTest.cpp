#include "ui/panel/TagPicker.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "ui/ObjectNames.h"
#include "ui/kit/ElidedButton.h"

namespace quorbit {
namespace {

// A chip narrower than its tag shows the tag's start and an ellipsis; a short one shows it all.
TEST(TagPickerTest, ALongTagEndsInAnEllipsisAndAShortOneIsWhole) {
    const std::string longTag = "Infrastructure-and-operations-shared-accounts-of-the-whole-team";
    TagPicker picker;
    picker.setTags({"Work", longTag}, {"Work"});
    picker.resize(300, 200);
    picker.show();
    QApplication::processEvents();
    const QList<ElidedButton*> chips = picker.findChildren<ElidedButton*>(objectnames::panel::tagChip);
    ASSERT_EQ(chips.size(), 2);
    EXPECT_EQ(chips[0]->shownLabel(), QStringLiteral("Work"));
    const QString shown = chips[1]->shownLabel();
    EXPECT_LT(chips[1]->width(), chips[1]->sizeHint().width());
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(QString::fromStdString(longTag).startsWith(shown.chopped(1))) << shown.toStdString();
    EXPECT_EQ(chips[1]->toolTip(), QString::fromStdString(longTag));
}

}  // namespace
}  // namespace quorbit
