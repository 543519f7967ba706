#include "ui/kit/Stepper.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <limits>

#include "ui/ObjectNames.h"

namespace quorbit {
namespace {

constexpr std::int64_t int64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t int64Min = std::numeric_limits<std::int64_t>::min();

struct StepCase {
    std::int64_t minimum, maximum, step, value;
    bool up;
    std::int64_t expected;
};

class StepperStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepperStepTest, StepsSaturateAndLandInsideTheRange) {
    const StepCase& c = GetParam();
    EXPECT_EQ(Stepper::stepped(c.value, c.step, c.up, c.minimum, c.maximum), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StepperStepTest,
    testing::Values(StepCase{10, 120, 5, 30, true, 35}, StepCase{10, 120, 5, 30, false, 25},
                    StepCase{10, 120, 5, 118, true, 120}, StepCase{10, 120, 5, 12, false, 10},
                    StepCase{10, 120, 5, 200, false, 120},  // a loaded value above the range comes back in
                    StepCase{10, 120, 5, 3, true, 10}, StepCase{0, int64Max, 1, int64Max - 1, true, int64Max},
                    StepCase{0, int64Max, 10, int64Max - 3, true, int64Max},
                    StepCase{int64Min, 0, 10, int64Min + 3, false, int64Min},
                    StepCase{int64Min, int64Max, int64Max, -1, false, int64Min},
                    StepCase{0, int64Max, 1, 0, false, 0}));

QString shown(const Stepper& stepper) { return stepper.findChild<QLabel*>(objectnames::kit::stepperValue)->text(); }

TEST(StepperTest, LoadedValueOutsideTheRangeIsShownAndKeptUntilTheUserSteps) {
    Stepper stepper;
    stepper.setRange(10, 120);
    stepper.setStep(5);
    stepper.setSuffix(" s");
    QSignalSpy edited(&stepper, &Stepper::valueEdited);
    stepper.setValue(200);
    stepper.setRange(10, 120);
    EXPECT_EQ(stepper.value(), 200);
    EXPECT_EQ(shown(stepper), "200 s");
    EXPECT_FALSE(stepper.incrementButton()->isEnabled());
    EXPECT_EQ(edited.count(), 0);

    stepper.show();
    QTest::mouseClick(stepper.decrementButton(), Qt::LeftButton);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).value<std::int64_t>(), 120);
    EXPECT_EQ(shown(stepper), "120 s");
}

TEST(StepperTest, ButtonsStopAtTheEndsOfTheRange) {
    Stepper stepper;
    stepper.setRange(0, int64Max);
    stepper.setValue(int64Max - 1);
    stepper.show();
    QSignalSpy edited(&stepper, &Stepper::valueEdited);
    QTest::mouseClick(stepper.incrementButton(), Qt::LeftButton);
    EXPECT_EQ(stepper.value(), int64Max);
    EXPECT_EQ(shown(stepper), "9223372036854775807");
    EXPECT_FALSE(stepper.incrementButton()->isEnabled());
    QTest::keyClick(&stepper, Qt::Key_Up);
    EXPECT_EQ(edited.count(), 1);

    stepper.setValue(0);
    EXPECT_FALSE(stepper.decrementButton()->isEnabled());
    QTest::keyClick(&stepper, Qt::Key_Down);
    EXPECT_EQ(stepper.value(), 0);
    QTest::keyClick(&stepper, Qt::Key_Up);
    EXPECT_EQ(stepper.value(), 1);
    EXPECT_EQ(edited.count(), 2);
}

}  // namespace
}  // namespace quorbit
