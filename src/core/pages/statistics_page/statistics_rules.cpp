#include "core/pages/statistics_page/statistics_rules.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/device/hook_codes.h"

namespace oryn7px {

namespace sp = statistics_page;

namespace {

// The lowest count of levels 1..kMaxTrophyLevel.
constexpr std::array<uint64_t, kMaxTrophyLevel> kLevelThresholds{100'000,   500'000,   1'000'000, 1'500'000,
                                                                  2'000'000, 2'500'000, 3'000'000, 4'000'000,
                                                                  5'000'000, 6'000'000, 8'000'000, 10'000'000};

std::string Decimal(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%" PRIu64, value);
    return text;
}

LayoutRect RowBox(int row, sp::ColumnSpan column) {
    return {column.left, sp::kRows[row].top, column.right, sp::kRows[row].bottom};
}

sp::ColumnSpan CountColumn(bool chineseLayout) {
    return chineseLayout ? sp::kCountColumnChinese : sp::kCountColumnEnglish;
}

sp::ColumnSpan DistanceColumn(bool chineseLayout) {
    return chineseLayout ? sp::kDistanceColumnChinese : sp::kDistanceColumnEnglish;
}

}  // namespace

int TrophyLevelOfCount(uint64_t count) {
    return static_cast<int>(std::upper_bound(kLevelThresholds.begin(), kLevelThresholds.end(), count) -
                            kLevelThresholds.begin());
}

uint32_t* CounterOfEvent(StsData& data, uint32_t hookButtonCode) {
    switch (hookButtonCode) {
        case kHookCodeLeft: return &data.nLeftClicks;
        case kHookCodeMiddle: return &data.nMiddleClicks;
        case kHookCodeRight: return &data.nRightClicks;
        case kHookCodeWheelUp: return &data.nWheelUp;
        case kHookCodeWheelDown: return &data.nWheelDown;
        default: return nullptr;
    }
}

uint64_t TotalClicks(const StsData& data) {
    return uint64_t{data.nLeftClicks} + data.nMiddleClicks + data.nRightClicks;
}

uint64_t TotalWheel(const StsData& data) { return uint64_t{data.nWheelUp} + data.nWheelDown; }

int EarnedTrophyLevel(const StsData& data) {
    return std::max(TrophyLevelOfCount(TotalClicks(data)), TrophyLevelOfCount(TotalWheel(data)));
}

uint32_t DistanceStep(ScreenPoint last, ScreenPoint now) {
    const uint64_t step = static_cast<uint64_t>(std::llabs(int64_t{now.x} - last.x)) +
                          static_cast<uint64_t>(std::llabs(int64_t{now.y} - last.y));
    return static_cast<uint32_t>(std::min<uint64_t>(step, std::numeric_limits<uint32_t>::max()));
}

uint32_t SaturatingAdd(uint32_t counter, uint64_t amount) {
    return static_cast<uint32_t>(std::min<uint64_t>(counter + amount, std::numeric_limits<uint32_t>::max()));
}

std::string DistanceText(const StsData& data) {
    char text[32];
    std::snprintf(text, sizeof text, "%0.2f", data.nMoveDistance * 0.0001);
    return text;
}

std::array<StatisticsText, sp::kRowCount> StatisticsTexts(const StsData& data, bool chineseLayout) {
    const sp::ColumnSpan column = CountColumn(chineseLayout);
    const std::array<uint64_t, sp::kRowCount - 1> counts{data.nLeftClicks, data.nMiddleClicks, data.nRightClicks,
                                                         TotalClicks(data), data.nWheelUp,     data.nWheelDown,
                                                         TotalWheel(data)};
    std::array<StatisticsText, sp::kRowCount> texts;
    for (int row = 0; row < sp::kRowDistance; ++row) texts[row] = {RowBox(row, column), Decimal(counts[row])};
    texts[sp::kRowDistance] = {DistanceTextArea(chineseLayout), DistanceText(data)};
    return texts;
}

LayoutRect CountTextsArea(bool chineseLayout) {
    const sp::ColumnSpan counts = CountColumn(chineseLayout);
    const sp::ColumnSpan distance = DistanceColumn(chineseLayout);
    return {std::min(counts.left, distance.left), sp::kRows.front().top, std::max(counts.right, distance.right),
            sp::kRows.back().bottom};
}

LayoutRect DistanceTextArea(bool chineseLayout) { return RowBox(sp::kRowDistance, DistanceColumn(chineseLayout)); }

int ProgressBarWidth(int level) {
    const int steps = std::clamp(level + 1, 1, sp::kTrophyLevels);
    return steps * sp::kProgressFullWidth / sp::kTrophyLevels;
}

LayoutRect ProgressBarRect(int level) {
    return {sp::kProgressLeft, sp::kProgressTop, sp::kProgressLeft + ProgressBarWidth(level), sp::kProgressBottom};
}

std::u16string_view ResetQuestion(bool chinese) {
    return chinese ? u"确定要重置奖杯和统计数据么？" : u"Do you want to reset trophy data ?";
}

bool IsSmallTrophyLit(int index, int level) { return index <= level; }

}  // namespace oryn7px
