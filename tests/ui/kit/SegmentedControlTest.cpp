#include "ui/kit/SegmentedControl.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

namespace quorbit {
namespace {

std::vector<bool> checkedSegments(const SegmentedControl& control) {
    std::vector<bool> checked;
    for (int i = 0; i < control.count(); ++i) checked.push_back(control.segment(i)->isChecked());
    return checked;
}

TEST(SegmentedControlTest, ProgrammaticChangesAreSilentAndUserClicksOnAnotherSegmentEmit) {
    SegmentedControl control;
    control.setSegments({"6", "7", "8"});
    control.show();
    QSignalSpy activated(&control, &SegmentedControl::activated);

    control.setCurrentIndex(1);
    EXPECT_EQ(control.currentIndex(), 1);
    EXPECT_EQ(checkedSegments(control), (std::vector<bool>{false, true, false}));
    control.setCurrentIndex(-1);
    EXPECT_EQ(checkedSegments(control), (std::vector<bool>{false, false, false}));
    control.setCurrentIndex(7);
    EXPECT_EQ(control.currentIndex(), -1);
    EXPECT_EQ(activated.count(), 0);

    QTest::mouseClick(control.segment(2), Qt::LeftButton);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.at(0).at(0).toInt(), 2);
    EXPECT_EQ(checkedSegments(control), (std::vector<bool>{false, false, true}));

    // The chosen segment stays chosen; clicking it again changes nothing.
    QTest::mouseClick(control.segment(2), Qt::LeftButton);
    EXPECT_EQ(activated.count(), 1);
    EXPECT_TRUE(control.segment(2)->isChecked());

    control.segment(0)->setFocus();
    QTest::keyClick(control.segment(0), Qt::Key_Space);
    ASSERT_EQ(activated.count(), 2);
    EXPECT_EQ(activated.at(1).at(0).toInt(), 0);
}

TEST(SegmentedControlTest, NewSegmentsKeepTheSelectionOnlyWhileItExists) {
    SegmentedControl control;
    control.setSegments({"TOTP", "HOTP"});
    control.setCurrentIndex(1);
    QAbstractButton* before = control.segment(0);
    control.setSegments({"TOTP", "HOTP"});
    EXPECT_EQ(control.segment(0), before);  // same titles: nothing rebuilt
    control.setSegments({"A", "B", "C"});
    EXPECT_EQ(control.currentIndex(), 1);
    EXPECT_TRUE(control.segment(1)->isChecked());
    control.setSegments({"Only"});
    EXPECT_EQ(control.currentIndex(), -1);
    EXPECT_EQ(control.segments(), QStringList{"Only"});
    EXPECT_EQ(control.segment(1), nullptr);
}

}  // namespace
}  // namespace quorbit
