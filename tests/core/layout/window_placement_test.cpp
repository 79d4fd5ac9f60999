#include "core/layout/window_placement.h"

#include <gtest/gtest.h>

#include "core/layout/frame_layout.h"

namespace oryn7px {
namespace {

struct PlacementCase {
    LayoutRect available;
    int expectedX, expectedY;
};

class MainWindowPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(MainWindowPlacement, CentresWhenItFitsElseTopLeftOfTheAvailableArea) {
    const PlacementCase c = GetParam();
    const LayoutPoint at = WindowPosition(c.available, main_window::kWidth, main_window::kHeight);
    EXPECT_EQ(at.x, c.expectedX);
    EXPECT_EQ(at.y, c.expectedY);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, MainWindowPlacement,
    ::testing::Values(
        PlacementCase{{0, 0, 1920, 1080}, (1920 - 957) / 2, (1080 - 636) / 2},
        PlacementCase{{0, 32, 1920, 1080}, (1920 - 957) / 2, 32 + (1048 - 636) / 2},  // a top panel
        PlacementCase{{1920, 0, 3200, 1024}, 1920 + (1280 - 957) / 2, (1024 - 636) / 2},  // second screen
        PlacementCase{{0, 0, 957, 636}, 0, 0},                                         // exactly fits
        PlacementCase{{0, 27, 1024, 600}, 0, 27},     // too low: the title strip stays on screen
        PlacementCase{{0, 0, 800, 1000}, 0, 0},       // too narrow
        PlacementCase{{100, 50, 740, 530}, 100, 50},  // both, at an offset
        PlacementCase{{-1024, 0, 0, 600}, -1024, 0}   // a screen left of the primary
        ));

}  // namespace
}  // namespace oryn7px
