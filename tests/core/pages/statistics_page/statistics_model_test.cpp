#include <gtest/gtest.h>

#include "core/device/hook_codes.h"
#include "core/pages/statistics_page/statistics_model.h"

namespace oryn7px {
namespace {

TEST(StatisticsModelTest, CountsOnlyTheCountedCodes) {
    StatisticsModel model;
    EXPECT_TRUE(model.OnMouseEvent(kHookCodeLeft));
    EXPECT_TRUE(model.OnMouseEvent(kHookCodeLeft));
    EXPECT_TRUE(model.OnMouseEvent(kHookCodeMiddle));
    EXPECT_TRUE(model.OnMouseEvent(kHookCodeRight));
    EXPECT_TRUE(model.OnMouseEvent(kHookCodeWheelUp));
    EXPECT_TRUE(model.OnMouseEvent(kHookCodeWheelDown));
    EXPECT_TRUE(model.OnMouseEvent(kHookCodeWheelDown));
    EXPECT_FALSE(model.OnMouseEvent(kHookCodeBack));
    EXPECT_FALSE(model.OnMouseEvent(kHookCodeForward));
    const StsData& c = model.Counts();
    EXPECT_EQ((std::array{c.nLeftClicks, c.nMiddleClicks, c.nRightClicks, c.nWheelUp, c.nWheelDown}),
              (std::array<uint32_t, 5>{2, 1, 1, 1, 2}));
    EXPECT_TRUE(model.HasUnsavedCounts());
}

TEST(StatisticsModelTest, TravelIsMeasuredFromTheLastSample) {
    StatisticsModel model;
    model.SetLastSample({100, 100});
    model.OnCursorSample({110, 95});  // 15
    model.OnCursorSample({110, 95});  // 0
    model.OnCursorSample({0, 0});     // 205
    EXPECT_EQ(model.Counts().nMoveDistance, 220u);
}

TEST(StatisticsModelTest, StandingStillChangesNothingToSave) {
    StatisticsModel model;
    model.SetLastSample({3, 4});
    model.OnCursorSample({3, 4});
    EXPECT_FALSE(model.HasUnsavedCounts());
    model.OnCursorSample({3, 5});
    EXPECT_TRUE(model.HasUnsavedCounts());
    model.MarkSaved();
    EXPECT_FALSE(model.HasUnsavedCounts());
}

TEST(StatisticsModelTest, LevelRisesAndNeverFallsUntilReset) {
    StatisticsModel model;
    EXPECT_EQ(model.RaiseTrophyLevel(), 0);
    EXPECT_TRUE(model.TakeLevelChange());  // the first paint loads level 0's pictures
    EXPECT_FALSE(model.TakeLevelChange());

    model.Counts() = {3'000'000, 0, 0, 0, 0, 0};
    EXPECT_EQ(model.RaiseTrophyLevel(), 7);
    EXPECT_TRUE(model.TakeLevelChange());
    model.Counts().nLeftClicks = 10;  // counts replaced behind the level's back
    EXPECT_EQ(model.RaiseTrophyLevel(), 7);
    EXPECT_FALSE(model.TakeLevelChange());

    model.Reset();
    EXPECT_EQ(model.Counts().nLeftClicks, 0u);
    EXPECT_EQ(model.TrophyLevel(), 0);
    EXPECT_EQ(model.RaiseTrophyLevel(), 0);
    EXPECT_TRUE(model.TakeLevelChange());
    EXPECT_TRUE(model.HasUnsavedCounts());
}

TEST(StatisticsModelTest, ResetZeroesTravelToo) {
    StatisticsModel model;
    model.Counts() = {1, 2, 3, 4, 5, 6};
    model.Reset();
    const StsData& c = model.Counts();
    EXPECT_EQ((std::array{c.nLeftClicks, c.nMiddleClicks, c.nRightClicks, c.nWheelUp, c.nWheelDown, c.nMoveDistance}),
              (std::array<uint32_t, 6>{}));
}

TEST(StatisticsModelTest, ACounterAtItsLimitStays) {
    StatisticsModel model;
    model.Counts().nWheelUp = 0xFFFFFFFF;
    model.OnMouseEvent(kHookCodeWheelUp);
    EXPECT_EQ(model.Counts().nWheelUp, 0xFFFFFFFFu);
}

}  // namespace
}  // namespace oryn7px
