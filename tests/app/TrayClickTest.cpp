#include <gtest/gtest.h>

#include "app/TrayClick.h"

namespace quorbit {
namespace {

TEST(TrayClickTest, LeftAndMiddleClicksToggleTheRightButtonOnlyOpensTheMenu) {
    EXPECT_EQ(trayClick(QSystemTrayIcon::Trigger), TrayClick::togglePanel);
    EXPECT_EQ(trayClick(QSystemTrayIcon::MiddleClick), TrayClick::togglePanel);
    EXPECT_EQ(trayClick(QSystemTrayIcon::Unknown), TrayClick::togglePanel);
    EXPECT_EQ(trayClick(QSystemTrayIcon::Context), TrayClick::nothing);
    EXPECT_EQ(trayClick(QSystemTrayIcon::DoubleClick), TrayClick::nothing) << "its first click already toggled";
}

}  // namespace
}  // namespace quorbit
