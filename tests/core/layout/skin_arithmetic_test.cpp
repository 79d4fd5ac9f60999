#include "core/layout/skin_arithmetic.h"
#include "core/layout/frame_layout.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

TEST(SliderArithmetic, ThumbPlacementUsesTheFreeRoomOfTheTrack) {
    // Track 100..300, thumb 10 wide: 190 pixels of travel over 9 steps.
    EXPECT_EQ(SliderThumbLeft(100, 300, 10, 1, 10, 1), 100);
    EXPECT_EQ(SliderThumbLeft(100, 300, 10, 1, 10, 10), 290);
    EXPECT_EQ(SliderThumbLeft(100, 300, 10, 1, 10, 5), 100 + 190 * 4 / 9);
}

TEST(SliderArithmetic, OutOfRangePositionPutsTheThumbAtTheMinimum) {
    EXPECT_EQ(SliderThumbLeft(100, 300, 10, 1, 10, 11), 100);
    EXPECT_EQ(SliderThumbLeft(100, 300, 10, 1, 10, 0), 100);
    EXPECT_EQ(SliderThumbLeft(100, 300, 10, 5, 5, 5), 100);  // empty range: no division by zero
}

struct ClickCase {
    int minimum, maximum, x, expected;
};

class SliderClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(SliderClick, RoundsUpAtTheRightEndOfShortRanges) {
    const ClickCase c = GetParam();
    // Track 0..203 as on the main page.
    EXPECT_EQ(SliderValueFromClick(c.x, 0, 203, c.minimum, c.maximum), c.expected) << "x=" << c.x;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, SliderClick,
    ::testing::Values(ClickCase{1, 10, 0, 1}, ClickCase{1, 10, 202, 10},  // integer division gives 9
                      ClickCase{1, 10, 180, 8}, ClickCase{1, 10, 194, 9},  // q = 9.60: no round-up
                      ClickCase{1, 5, 200, 5},                            // q = 4.94 → 5
                      ClickCase{1, 5, 190, 4},                            // q = 4.74: stays
                      ClickCase{1, 3, 190, 3},                            // q = 2.87..: → 3
                      ClickCase{1, 3, 100, 1}, ClickCase{0, 100, 203, 100},
                      ClickCase{1, 10, 400, 10}, ClickCase{1, 10, -20, 1}));  // clamped

TEST(SliderArithmetic, DraggedThumbValueFollowsItsLeftEdge) {
    EXPECT_EQ(ClampThumbLeft(50, 100, 300, 10), 100);
    EXPECT_EQ(ClampThumbLeft(500, 100, 300, 10), 290);
    EXPECT_EQ(SliderValueFromThumbLeft(100, 100, 300, 10, 1, 10), 1);
    EXPECT_EQ(SliderValueFromThumbLeft(290, 100, 300, 10, 1, 10), 10);
    EXPECT_EQ(SliderValueFromThumbLeft(195, 100, 300, 10, 1, 10), 5);
}

TEST(ProgressArithmetic, FillIsEmptyAtMinimumAndFullAtMaximum) {
    EXPECT_EQ(ProgressFillWidth(260, 0, 100, 0), 0);
    EXPECT_EQ(ProgressFillWidth(260, 0, 100, 100), 260);
    EXPECT_EQ(ProgressFillWidth(260, 0, 100, 50), 130);
    EXPECT_EQ(ProgressFillWidth(260, 0, 100, 150), 260);
    EXPECT_EQ(ProgressFillWidth(260, 7, 7, 7), 0);
    EXPECT_EQ(ProgressValueFromX(10, 35, 260, 0, 100), 0);  // left of the bar
    EXPECT_EQ(ProgressValueFromX(35 + 130, 35, 260, 0, 100), 50);
    EXPECT_EQ(ProgressValueFromX(900, 35, 260, 0, 100), 100);
}

TEST(ScrollArithmetic, PartsAlongTheBar) {
    // Length 200, cell 12: track 176, page 10 of 0..99 → thumb 17, at position 0.
    const ScrollGeometry g = ComputeScrollGeometry(200, 12, {0, 99, 10, 0}, true);
    EXPECT_EQ(g.arrow, 12);
    EXPECT_EQ(g.track, 176);
    EXPECT_EQ(g.thumb, 17);
    EXPECT_EQ(g.offset, 0);
    EXPECT_EQ(ScrollPartAt(g, 0), ScrollPart::FirstArrow);
    EXPECT_EQ(ScrollPartAt(g, 12), ScrollPart::Thumb);
    EXPECT_EQ(ScrollPartAt(g, 29), ScrollPart::PageAfter);
    EXPECT_EQ(ScrollPartAt(g, 188), ScrollPart::SecondArrow);
    const ScrollGeometry end = ComputeScrollGeometry(200, 12, {0, 99, 10, 90}, true);
    EXPECT_EQ(end.offset, 176 - 17);
    EXPECT_EQ(ScrollPartAt(end, 20), ScrollPart::PageBefore);
}

TEST(ScrollArithmetic, ThumbIsNeverShorterThanSixPixelsUnlessTheTrackIs) {
    EXPECT_EQ(ComputeScrollGeometry(200, 12, {0, 9999, 1, 0}, true).thumb, 6);
    EXPECT_EQ(ComputeScrollGeometry(29, 12, {0, 9999, 1, 0}, true).thumb, 0);   // track 5
    EXPECT_EQ(ComputeScrollGeometry(30, 12, {0, 9999, 1, 0}, true).thumb, 6);   // track 6
    const ScrollGeometry tiny = ComputeScrollGeometry(16, 12, {0, 10, 1, 0}, true);
    EXPECT_EQ(tiny.arrow, 8);
    EXPECT_EQ(tiny.track, 0);
}

TEST(ScrollArithmetic, PageCoveringTheRangeHidesTheThumbWhenDrawn) {
    const ScrollRange all{0, 9, 10, 0};
    EXPECT_EQ(ComputeScrollGeometry(200, 12, all, true).thumb, 0);
    EXPECT_EQ(ComputeScrollGeometry(200, 12, all, true).offset, 88);  // centred: divisor 0
    EXPECT_GT(ComputeScrollGeometry(200, 12, all, false).thumb, 0);
}

TEST(ScrollArithmetic, DragMovesThePositionProportionallyAndStaysInRange) {
    const ScrollRange range{0, 99, 10, 0};
    const ScrollGeometry g = ComputeScrollGeometry(200, 12, range, false);
    EXPECT_EQ(ScrollTrackPosition(g, range, 0, 159), 90);
    EXPECT_EQ(ScrollTrackPosition(g, range, 0, 1000), 90);
    EXPECT_EQ(ScrollTrackPosition(g, range, 40, -1000), 0);
    EXPECT_EQ(ScrollTrackPosition(g, range, 0, 53), 30);
}

TEST(MenuLayout, LanguageMenuIs116By273) {
    EXPECT_EQ(kMenuWidth, 116);
    EXPECT_EQ(MenuHeight(12), 273);
    const LayoutRect last = MenuItemRect(11);
    EXPECT_EQ(last.left, 6);
    EXPECT_EQ(last.top, 6 + 11 * 22);
    EXPECT_EQ(last.right, 110);
    EXPECT_EQ(last.bottom, 270);
    EXPECT_EQ(MenuItemAt(12, 50, 6), 0);
    EXPECT_EQ(MenuItemAt(12, 50, 28), 1);
    EXPECT_EQ(MenuItemAt(12, 3, 20), -1);    // left margin
    EXPECT_EQ(MenuItemAt(12, 50, 271), -1);  // bottom margin
}

TEST(MenuLayout, ArrowKeysStepRoundTheEnds) {
    struct Case {
        int count, hovered, step, expected;
    };
    for (const Case& c : {Case{12, -1, 1, 0}, Case{12, -1, -1, 11}, Case{12, 0, 1, 1}, Case{12, 11, 1, 0},
                          Case{12, 0, -1, 11}, Case{12, 5, -1, 4}, Case{12, 40, 1, 0}, Case{0, -1, 1, -1}}) {
        EXPECT_EQ(MenuItemAfterStep(c.count, c.hovered, c.step), c.expected)
            << c.count << " items, from " << c.hovered << " by " << c.step;
    }
}

TEST(ListRows, PictureKindTravelsInTheTopByte) {
    EXPECT_EQ(PackRowValue(3, 0xAB123456u), 0x03123456u);
    EXPECT_EQ(RowPictureKind(PackRowValue(3, 0xAB123456u)), 3u);
    EXPECT_EQ(PackRowValue(0, 0xAB123456u), 0xAB123456u);
    EXPECT_EQ(RowPictureFile(2, false), "up_normal.png");
    EXPECT_EQ(RowPictureFile(4, true), "delay_select.png");
    EXPECT_EQ(RowPictureFile(5, false), "CursorMove_select.png");
    EXPECT_EQ(RowPictureFile(1, true), "");
}

TEST(WindowLayout, PageTabBoundingBoxesOverlap) {
    const LayoutRect first = BoundingBox(main_window::kPageTabs[0]);
    const LayoutRect second = BoundingBox(main_window::kPageTabs[1]);
    EXPECT_EQ(first.left, 30);
    EXPECT_EQ(first.right, 210);
    EXPECT_LT(second.left, first.right);
}

}  // namespace
}  // namespace oryn7px
