#pragma once
// The statistics page: geometry of its controls, texts and captions, and the pictures they are cut
// from.
#include "core/layout/caption_place.h"
#include "core/layout/layout_types.h"

namespace oryn7px::statistics_page {

inline constexpr StatePictures kPictures{"Sts_Normal.bmp", "Sts_Down.bmp", "Sts_Over.bmp"};

// Trophy pictures are page-sized, with the trophy at the large trophy control's place.
inline constexpr int kWidth = 925;
inline constexpr int kHeight = 456;
inline constexpr LayoutRect kLargeTrophy{309, 0, 607, 451};
inline constexpr int kTrophyLevels = 13;
inline constexpr std::array<const char*, kTrophyLevels> kTrophyPictures{
    "trophy/trophy0Down.bmp", "trophy/trophy1Down.bmp",  "trophy/trophy2Down.bmp",  "trophy/trophy3Down.bmp",
    "trophy/trophy4Down.bmp", "trophy/trophy5Down.bmp",  "trophy/trophy6Down.bmp",  "trophy/trophy7Down.bmp",
    "trophy/trophy8Down.bmp", "trophy/trophy9Down.bmp",  "trophy/trophy10Down.bmp", "trophy/trophy11Down.bmp",
    "trophy/trophy12Down.bmp"};

// One small trophy per level, in rows of five.
inline constexpr int kSmallTrophyWidth = 43;
inline constexpr int kSmallTrophyHeight = 50;
constexpr LayoutRect SmallTrophy(int index) {
    const int left = 647 + 50 * (index % 5);
    const int top = 132 + 58 * (index / 5);
    return {left, top, left + kSmallTrophyWidth, top + kSmallTrophyHeight};
}

inline constexpr LayoutRect kResetButton{703, 379, 832, 410};

// Hint IDs the page posts while the cursor is over the large trophy or the reset button, and
// their tooltips (language keys).
inline constexpr int kLargeTrophyHint = 54;
inline constexpr int kResetButtonHint = 55;
inline constexpr const char* kLargeTrophyTooltip = "str_cups";
inline constexpr const char* kResetButtonTooltip = "str_resetSts";

// The progress bar grows from its left edge with the level; at full length it is this rectangle.
inline constexpr int kProgressLeft = 631;
inline constexpr int kProgressTop = 62;
inline constexpr int kProgressBottom = 77;
inline constexpr int kProgressFullWidth = 273;
inline constexpr LayoutRect kProgressTrack{kProgressLeft, kProgressTop, kProgressLeft + kProgressFullWidth,
                                           kProgressBottom};

// The eight numbers, one per row; the column depends on the skins' language (labels differ in width).
enum StatisticsRow { kRowLeft, kRowMiddle, kRowRight, kRowClicks, kRowWheelUp, kRowWheelDown, kRowWheel, kRowDistance };
inline constexpr int kRowCount = 8;
struct RowSpan {
    int top;
    int bottom;
};
inline constexpr std::array<RowSpan, kRowCount> kRows{
    {{85, 106}, {119, 139}, {152, 172}, {183, 203}, {250, 270}, {284, 304}, {319, 339}, {384, 404}}};
struct ColumnSpan {
    int left;
    int right;
};
inline constexpr ColumnSpan kCountColumnEnglish{152, 227};
inline constexpr ColumnSpan kCountColumnChinese{167, 242};
inline constexpr ColumnSpan kDistanceColumnEnglish{152, 227};
inline constexpr ColumnSpan kDistanceColumnChinese{187, 262};

// The plate under the large trophy that shows its level; a control of its own, so that the level
// caption sits on it while the trophy holds its panel's heading.
inline constexpr LayoutRect kLevelPlate{368, 326, 548, 366};

// Each row's label, right-aligned before the numbers of either column.
inline constexpr std::array<CaptionId, kRowCount> kRowCaptions{
    CaptionId::CountLeft,    CaptionId::CountMiddle,    CaptionId::CountRight, CaptionId::CountClicks,
    CaptionId::CountWheelUp, CaptionId::CountWheelDown, CaptionId::CountWheel, CaptionId::CountDistance};
constexpr CaptionPlace RowLabelCaption(int row) {
    const RowSpan span = kRows[static_cast<std::size_t>(row)];
    const bool total = row == kRowClicks || row == kRowWheel;
    return {kRowCaptions[static_cast<std::size_t>(row)], {34, span.top, 144, span.bottom},
            total ? CaptionStyle::SectionHeading : CaptionStyle::Label, CaptionAlign::Right};
}

// Its %1 is the trophy level, filled in by the page.
inline constexpr CaptionPlace kLevelCaption{CaptionId::Level, {372, 328, 544, 364}, CaptionStyle::TrophyPlate,
                                            CaptionAlign::Centre};

inline constexpr std::array kCaptions{
    CaptionPlace{CaptionId::Statistics, {42, 24, 272, 48}, CaptionStyle::PanelHeading},
    CaptionPlace{CaptionId::CurrentTrophy, {318, 24, 604, 48}, CaptionStyle::PanelHeading},
    CaptionPlace{CaptionId::TrophyLevel, {642, 24, 902, 48}, CaptionStyle::PanelHeading},
    CaptionPlace{CaptionId::Reset, {707, 381, 828, 408}, CaptionStyle::PushButton, CaptionAlign::Centre},
    kLevelCaption,
    RowLabelCaption(kRowLeft),
    RowLabelCaption(kRowMiddle),
    RowLabelCaption(kRowRight),
    RowLabelCaption(kRowClicks),
    RowLabelCaption(kRowWheelUp),
    RowLabelCaption(kRowWheelDown),
    RowLabelCaption(kRowWheel),
    RowLabelCaption(kRowDistance),
};

inline constexpr int kTextHeight = 14;
inline constexpr int kTextWeight = 300;
inline constexpr unsigned kTextColour = 0xDCDCDC;  // RGB(220, 220, 220)

// Every skin file the page loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{kPictures.normal,   kPictures.down,      kPictures.over,
                                       kTrophyPictures[0], kTrophyPictures[1],  kTrophyPictures[2],
                                       kTrophyPictures[3], kTrophyPictures[4],  kTrophyPictures[5],
                                       kTrophyPictures[6], kTrophyPictures[7],  kTrophyPictures[8],
                                       kTrophyPictures[9], kTrophyPictures[10], kTrophyPictures[11],
                                       kTrophyPictures[12]};

}  // namespace oryn7px::statistics_page
