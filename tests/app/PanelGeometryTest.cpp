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
    EXPECT_EQ(panelGeometry(GetParam().available, GetParam().current), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PanelPlacement,
    testing::Values(
        PlacementCase{"RoomyScreenKeepsTheSizeAndInsets", {0, 0, 1920, 1080}, {5, 5, 392, 560}, {1514, 14, 392, 560}},
        PlacementCase{"AreaBelowATopBarCountsFromItsTop", {0, 32, 1920, 1048}, {0, 0, 392, 560}, {1514, 46, 392, 560}},
        PlacementCase{"SecondScreenToTheRight", {1920, 0, 1280, 1024}, {0, 0, 392, 560}, {2794, 14, 392, 560}},
        PlacementCase{"SmallScreenShrinksToTheAreaLessTheInsets", {0, 0, 400, 500}, {0, 0, 392, 560}, {14, 14, 372, 472}},
        PlacementCase{"TinyScreenStopsAtTheFloorWithTheRightEdgeInside", {0, 0, 200, 300}, {0, 0, 392, 560}, {-40, 0, 240, 360}},
        PlacementCase{"NeverGrowsBack", {0, 0, 1920, 1080}, {0, 0, 300, 400}, {1606, 14, 300, 400}},
        PlacementCase{"FloorHeightKeepsTheTopOnTheScreen", {0, 100, 800, 380}, {0, 0, 392, 560}, {394, 106, 392, 360}},
        PlacementCase{"NoScreenLeavesThePanelAlone", {}, {10, 20, 392, 560}, {10, 20, 392, 560}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace quorbit
