#include <gtest/gtest.h>

#include <limits>

#include "core/device/hook_codes.h"
#include "core/pages/statistics_page/statistics_rules.h"

namespace oryn7px {
namespace {

namespace sp = statistics_page;

struct LevelCase {
    uint64_t count;
    int level;
};

TEST(StatisticsRulesTest, TrophyLevelOfEachBoundary) {
    const LevelCase cases[] = {
        {0, 0},          {99'999, 0},     {100'000, 1},    {499'999, 1},    {500'000, 2},     {999'999, 2},
        {1'000'000, 3},  {1'499'999, 3},  {1'500'000, 4},  {1'999'999, 4},  {2'000'000, 5},   {2'499'999, 5},
        {2'500'000, 6},  {2'999'999, 6},  {3'000'000, 7},  {3'999'999, 7},  {4'000'000, 8},   {4'999'999, 8},
        {5'000'000, 9},  {5'999'999, 9},  {6'000'000, 10}, {7'999'999, 10}, {8'000'000, 11},  {9'999'999, 11},
        {10'000'000, 12}, {3ull * std::numeric_limits<uint32_t>::max(), 12}};
    for (const LevelCase& c : cases) EXPECT_EQ(TrophyLevelOfCount(c.count), c.level) << c.count;
}

TEST(StatisticsRulesTest, CountedCodesAndTheirCounters) {
    StsData data{};
    const std::pair<uint32_t, uint32_t*> counted[] = {{kHookCodeLeft, &data.nLeftClicks},
                                                     {kHookCodeMiddle, &data.nMiddleClicks},
                                                     {kHookCodeRight, &data.nRightClicks},
                                                     {kHookCodeWheelUp, &data.nWheelUp},
                                                     {kHookCodeWheelDown, &data.nWheelDown}};
    for (const auto& [code, counter] : counted) EXPECT_EQ(CounterOfEvent(data, code), counter) << std::hex << code;
    for (uint32_t ignored : {kHookCodeBack, kHookCodeForward, WM_LBUTTONUP, WM_MOUSEMOVE, 0u, 0x20E01u})
        EXPECT_EQ(CounterOfEvent(data, ignored), nullptr) << std::hex << ignored;
}

TEST(StatisticsRulesTest, WheelDeltaZeroIsAnUpNotch) {
    EXPECT_EQ(PressCode(WM_MOUSEWHEEL, WheelData(0)), kHookCodeWheelUp);
    EXPECT_EQ(PressCode(WM_MOUSEWHEEL, WheelData(-WHEEL_DELTA)), kHookCodeWheelDown);
}

TEST(StatisticsRulesTest, LevelFollowsTheHigherTotal) {
    struct Case {
        StsData data;
        int level;
    };
    const Case cases[] = {
        {{10, 0, 0, 300'000, 300'000, 0}, 2},          // 600,000 wheel events and 10 clicks
        {{40'000, 30'000, 30'000, 0, 0, 0}, 1},        // the three buttons together make 100,000
        {{1'000'000, 0, 0, 99'999, 0, 0}, 3},          // clicks lead
        {{0, 0, 0, 0, 0, 4'000'000'000u}, 0},          // travel earns nothing
        {{4'000'000'000u, 4'000'000'000u, 4'000'000'000u, 0, 0, 0}, 12},  // no wrap of the total
    };
    for (const Case& c : cases) EXPECT_EQ(EarnedTrophyLevel(c.data), c.level);
}

TEST(StatisticsRulesTest, DistanceStepAndSaturation) {
    EXPECT_EQ(DistanceStep({100, 200}, {90, 230}), 40u);
    EXPECT_EQ(DistanceStep({-50, 10}, {50, -10}), 120u);
    EXPECT_EQ(DistanceStep({5, 5}, {5, 5}), 0u);
    EXPECT_EQ(DistanceStep({std::numeric_limits<int>::min(), std::numeric_limits<int>::min()},
                           {std::numeric_limits<int>::max(), std::numeric_limits<int>::max()}),
              std::numeric_limits<uint32_t>::max());
    EXPECT_EQ(SaturatingAdd(7, 3), 10u);
    EXPECT_EQ(SaturatingAdd(std::numeric_limits<uint32_t>::max() - 1, 5), std::numeric_limits<uint32_t>::max());
}

TEST(StatisticsRulesTest, TextsInTheirColumns) {
    const StsData data{1, 2, 3, 4, 5, 123'456};
    const auto english = StatisticsTexts(data, false);
    const std::string expected[] = {"1", "2", "3", "6", "4", "5", "9", "12.35"};
    for (int row = 0; row < sp::kRowCount; ++row) {
        EXPECT_EQ(english[row].text, expected[row]) << row;
        EXPECT_EQ(english[row].box.top, sp::kRows[row].top);
        EXPECT_EQ(english[row].box.bottom, sp::kRows[row].bottom);
        EXPECT_EQ(english[row].box.left, 152);
        EXPECT_EQ(english[row].box.right, 227);
    }
    const auto chinese = StatisticsTexts(data, true);
    EXPECT_EQ(chinese[sp::kRowLeft].box.left, 167);
    EXPECT_EQ(chinese[sp::kRowWheel].box.right, 242);
    EXPECT_EQ(chinese[sp::kRowDistance].box.left, 187);
    EXPECT_EQ(chinese[sp::kRowDistance].box.right, 262);
    EXPECT_EQ(chinese[sp::kRowDistance].box.top, 384);
}

TEST(StatisticsRulesTest, LargeCountsShowUnsignedAndDistanceFormat) {
    const StsData data{std::numeric_limits<uint32_t>::max(), 1, 0, 0, 0, 0};
    const auto texts = StatisticsTexts(data, false);
    EXPECT_EQ(texts[sp::kRowLeft].text, "4294967295");
    EXPECT_EQ(texts[sp::kRowClicks].text, "4294967296");
    EXPECT_EQ(texts[sp::kRowDistance].text, "0.00");
    EXPECT_EQ(DistanceText({0, 0, 0, 0, 0, 5}), "0.00");
    EXPECT_EQ(DistanceText({0, 0, 0, 0, 0, 10'000}), "1.00");
}

TEST(StatisticsRulesTest, RepaintAreasCoverEveryNumber) {
    for (bool chinese : {false, true}) {
        const LayoutRect area = CountTextsArea(chinese);
        for (const StatisticsText& text : StatisticsTexts({}, chinese)) {
            EXPECT_LE(area.left, text.box.left);
            EXPECT_GE(area.right, text.box.right);
            EXPECT_LE(area.top, text.box.top);
            EXPECT_GE(area.bottom, text.box.bottom);
        }
        const LayoutRect distance = DistanceTextArea(chinese);
        EXPECT_EQ(distance.left, StatisticsTexts({}, chinese)[sp::kRowDistance].box.left);
    }
}

TEST(StatisticsRulesTest, ProgressBarWidthByLevel) {
    const std::pair<int, int> cases[] = {{0, 21}, {1, 42}, {6, 147}, {7, 168}, {11, 252}, {12, 273}, {13, 273}};
    for (const auto& [level, width] : cases) EXPECT_EQ(ProgressBarWidth(level), width) << level;
    const LayoutRect bar = ProgressBarRect(0);
    EXPECT_EQ(bar.left, 631);
    EXPECT_EQ(bar.right, 652);
    EXPECT_EQ(bar.top, 62);
    EXPECT_EQ(bar.bottom, 77);
}

TEST(StatisticsRulesTest, SmallTrophiesLitUpToTheLevel) {
    EXPECT_TRUE(IsSmallTrophyLit(0, 0));
    EXPECT_FALSE(IsSmallTrophyLit(1, 0));
    EXPECT_TRUE(IsSmallTrophyLit(7, 7));
    EXPECT_FALSE(IsSmallTrophyLit(8, 7));
    EXPECT_TRUE(IsSmallTrophyLit(12, 12));
    const LayoutRect last = sp::SmallTrophy(12);
    EXPECT_EQ(last.left, 647 + 50 * 2);
    EXPECT_EQ(last.top, 132 + 58 * 2);
    EXPECT_EQ(last.Width(), 43);
    EXPECT_EQ(last.Height(), 50);
}

}  // namespace
}  // namespace oryn7px
