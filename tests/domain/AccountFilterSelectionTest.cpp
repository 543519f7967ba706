#include <gtest/gtest.h>

#include "domain/AccountFilterSelection.h"

namespace quorbit {
namespace {

TEST(AccountFilterSelectionTest, TagFiltersDifferingInCaseShareAnIdButAreNotEqual) {
    EXPECT_EQ(AccountFilterSelection::tag("Work").id(), "tag:work");
    EXPECT_EQ(AccountFilterSelection::tag("ÄRGER").id(), "tag:ärger");
    EXPECT_NE(AccountFilterSelection::tag("Work"), AccountFilterSelection::tag("work"));
    EXPECT_EQ(AccountFilterSelection::recent().id(), "system:recent");
    EXPECT_EQ(AccountFilterSelection(), AccountFilterSelection::all());
}

}  // namespace
}  // namespace quorbit
