#include <gtest/gtest.h>

#include <ostream>

#include "app/PanelGeometry.h"

namespace quorbit {
namespace {

struct PlacementCase {
    const char* name;
    QRect available;
    QRect current;
    QRect expected;
    friend void PrintTo(const PlacementCase& placement, std::ostream* out) { *out << placement.name; }
};

class PanelPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(PanelPlacement, SitsInTheTopRightCornerWithinTheScreen) {
    EXPECT_EQ(panelGeometry(GetParam().available, GetParam().current, Qt::TopRightCorner), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PanelPlacement,
    testing::Values(
        PlacementCase{"RoomyScreenKeepsTheSizeAndInsets", {0, 0, 1920, 1080}, {5, 5, 392, 560}, {1514, 14, 392, 560}},
        PlacementCase{"AreaBelowATopBarCountsFromItsTop", {0, 32, 1920, 1048}, {0, 0, 392, 560}, {1514, 46, 392, 560}},
        PlacementCase{"SecondScreenToTheRight", {1920, 0, 1280, 1024}, {0, 0, 392, 560}, {2794, 14, 392, 560}},
        PlacementCase{
            "SmallScreenShrinksToTheAreaLessTheInsets", {0, 0, 400, 500}, {0, 0, 392, 560}, {14, 14, 372, 472}},
        PlacementCase{
            "TinyScreenStopsAtTheFloorWithTheRightEdgeInside", {0, 0, 200, 300}, {0, 0, 392, 560}, {-40, 0, 240, 360}},
        PlacementCase{"NeverGrowsBack", {0, 0, 1920, 1080}, {0, 0, 300, 400}, {1606, 14, 300, 400}},
        PlacementCase{"FloorHeightKeepsTheTopOnTheScreen", {0, 100, 800, 380}, {0, 0, 392, 560}, {394, 106, 392, 360}},
        PlacementCase{"NoScreenLeavesThePanelAlone", {}, {10, 20, 392, 560}, {10, 20, 392, 560}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// The panel at the tray: the corner of the usable area nearest to the tray icon (or pointer).
struct TrayCase {
    const char* name;
    QRect available;
    QPoint tray;
    QRect expected;
    friend void PrintTo(const TrayCase& placement, std::ostream* out) { *out << placement.name; }
};

class PanelAtTheTray : public testing::TestWithParam<TrayCase> {};

TEST_P(PanelAtTheTray, GoesToTheNearestCornerOfTheUsableArea) {
    const TrayCase& tray = GetParam();
    EXPECT_EQ(panelGeometry(tray.available, {0, 0, 392, 560}, nearestCorner(tray.available, tray.tray)), tray.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Trays, PanelAtTheTray,
    testing::Values(
        // A 30 px panel at the bottom leaves 0,0 1920x1050; the tray itself lies outside the area.
        TrayCase{"BottomRight", {0, 0, 1920, 1050}, {1900, 1065}, {1514, 476, 392, 560}},
        TrayCase{"BottomLeft", {0, 0, 1920, 1050}, {20, 1065}, {14, 476, 392, 560}},
        TrayCase{"TopRight", {0, 30, 1920, 1050}, {1900, 15}, {1514, 44, 392, 560}},
        TrayCase{"TopLeft", {0, 30, 1920, 1050}, {20, 15}, {14, 44, 392, 560}},
        TrayCase{"LeftEdgeMiddleCountsAsTop", {48, 0, 1872, 1080}, {24, 540}, {62, 14, 392, 560}},
        TrayCase{"LeftEdgeLowerHalf", {48, 0, 1872, 1080}, {24, 900}, {62, 506, 392, 560}},
        TrayCase{"RightEdgeLowerHalf", {0, 0, 1872, 1080}, {1896, 700}, {1466, 506, 392, 560}},
        TrayCase{"PointerOnASecondScreenBelow", {0, 1080, 1280, 994}, {1200, 2050}, {874, 1500, 392, 560}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(PanelGeometryTest, ATinyScreenKeepsTheEdgesNearestTheTrayOnIt) {
    EXPECT_EQ(panelGeometry({0, 0, 200, 300}, {0, 0, 392, 560}, Qt::BottomLeftCorner), QRect(0, -60, 240, 360));
    EXPECT_EQ(panelGeometry({0, 0, 200, 300}, {0, 0, 392, 560}, Qt::TopLeftCorner), QRect(0, 0, 240, 360));
}

}  // namespace
}  // namespace quorbit
