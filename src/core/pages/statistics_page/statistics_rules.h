#pragma once
// The statistics page's rules: which hook codes count, trophy levels, the travel step, the
// texts and where they go, the progress bar's length.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/layout/statistics_page_layout.h"
#include "core/interfaces/cursor_position.h"
#include "core/settings/file_records.h"

namespace oryn7px {

// Levels 0..12, one trophy picture each.
inline constexpr int kMaxTrophyLevel = statistics_page::kTrophyLevels - 1;

// The level of a click or wheel total (the same table for both).
int TrophyLevelOfCount(uint64_t count);

// The counter a hook button code adds to; null for codes that are not counted (side buttons).
uint32_t* CounterOfEvent(StsData& data, uint32_t hookButtonCode);

// Totals in 64 bits: three counters near their limit must not wrap to a small total.
uint64_t TotalClicks(const StsData& data);
uint64_t TotalWheel(const StsData& data);

// The level the counts have earned: the higher of the two totals' levels.
int EarnedTrophyLevel(const StsData& data);

// Travel between two cursor samples: |dx| + |dy|.
uint32_t DistanceStep(ScreenPoint last, ScreenPoint now);

// Adds without wrapping: a counter at its limit stays there instead of starting again from 0.
uint32_t SaturatingAdd(uint32_t counter, uint64_t amount);

// The distance as shown: travel in units of 10,000 pixels, two decimals.
std::string DistanceText(const StsData& data);

struct StatisticsText {
    LayoutRect box;
    std::string text;
};
// The eight numbers in row order, each in the box it is right-aligned in. The columns follow
// the skins' language chosen at start-up (`chineseLayout`), not the UI language.
std::array<StatisticsText, statistics_page::kRowCount> StatisticsTexts(const StsData& data, bool chineseLayout);

// What to repaint when a count changes: every number's box.
LayoutRect CountTextsArea(bool chineseLayout);
// What to repaint when the travel grows: the distance's box.
LayoutRect DistanceTextArea(bool chineseLayout);

// Length of the progress bar at a level: (level + 1) thirteenths of the track, at most all of it.
int ProgressBarWidth(int level);
LayoutRect ProgressBarRect(int level);

// The reset button's question.
std::u16string_view ResetQuestion(bool chinese);

// Small trophies 0..level are lit.
bool IsSmallTrophyLit(int index, int level);

}  // namespace oryn7px
