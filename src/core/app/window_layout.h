#pragma once
// Fixed geometry of the windows, shared by the widgets (hit areas) and skingen (artwork), so
// a picture and the control that shows it can never disagree.
#include <array>
#include <cstdint>

namespace oryn7px {

struct LayoutPoint {
    int x = 0;
    int y = 0;
};

// Left, top, right, bottom; right and bottom are exclusive.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
};

using LayoutQuad = std::array<LayoutPoint, 4>;

constexpr LayoutRect BoundingBox(const LayoutQuad& quad) {
    LayoutRect box{quad[0].x, quad[0].y, quad[0].x, quad[0].y};
    for (const LayoutPoint& p : quad) {
        box.left = p.x < box.left ? p.x : box.left;
        box.top = p.y < box.top ? p.y : box.top;
        box.right = p.x > box.right ? p.x : box.right;
        box.bottom = p.y > box.bottom ? p.y : box.bottom;
    }
    return box;
}

namespace main_window {

inline constexpr int kWidth = 957;
inline constexpr int kHeight = 636;

inline constexpr LayoutRect kMinimiseButton{887, 2, 921, 33};
inline constexpr LayoutRect kHideButton{922, 2, 956, 33};
inline constexpr LayoutRect kModelName{444, 31, 519, 52};
inline constexpr LayoutRect kPageArea{15, 128, 940, 580};
inline constexpr LayoutRect kFlagPicture{19, 592, 55, 615};
inline constexpr LayoutRect kLanguageButton{15, 617, 57, 635};
inline constexpr LayoutRect kHintBar{67, 598, 300, 628};

inline constexpr std::array<LayoutQuad, 5> kPageTabs{{
    {{{30, 85}, {189, 85}, {210, 121}, {30, 121}}},
    {{{193, 85}, {375, 85}, {396, 121}, {214, 121}}},
    {{{377, 85}, {559, 85}, {579, 121}, {399, 121}}},
    {{{562, 85}, {743, 85}, {764, 121}, {583, 121}}},
    {{{747, 85}, {928, 85}, {928, 121}, {768, 121}}},
}};

inline constexpr std::array<LayoutQuad, 5> kProfileButtons{{
    {{{342, 608}, {435, 608}, {414, 635}, {321, 635}}},
    {{{439, 608}, {533, 608}, {512, 635}, {417, 635}}},
    {{{536, 608}, {628, 608}, {605, 635}, {513, 635}}},
    {{{630, 608}, {723, 608}, {700, 635}, {607, 635}}},
    {{{725, 608}, {818, 608}, {795, 635}, {703, 635}}},
}};

inline constexpr LayoutQuad kApplyButton{{{841, 591}, {940, 591}, {940, 632}, {806, 632}}};

// Button-picture resources in the order normal, pressed, hover, disabled.
inline constexpr std::array<int, 4> kButtonPicturesChinese{161, 160, 162, 161};
inline constexpr std::array<int, 4> kButtonPicturesOther{164, 163, 165, 164};

}  // namespace main_window

namespace info_box {

inline constexpr int kWidth = 330;
inline constexpr int kHeight = 160;
inline constexpr LayoutRect kCloseButton{300, 0, 329, 29};
inline constexpr LayoutRect kAskOk{178, 127, 244, 159};
inline constexpr LayoutRect kAskCancel{245, 127, 311, 159};
inline constexpr LayoutRect kInfoOk{240, 127, 306, 159};
inline constexpr LayoutRect kMessage{90, 73, 305, 91};
inline constexpr LayoutRect kTitle{10, 9, 100, 23};

// Skin resources: background/normal, then the two other button looks (pressed, hover).
inline constexpr std::array<int, 3> kAskSkins{1006, 1008, 1004};
inline constexpr std::array<int, 3> kInfoSkins{1007, 1009, 1005};

}  // namespace info_box

namespace progress_window {

inline constexpr int kWidth = 330;
inline constexpr int kHeight = 80;
inline constexpr LayoutRect kBar{35, 47, 295, 56};
inline constexpr LayoutRect kText{35, 20, 345, 60};

}  // namespace progress_window

namespace language_menu {

inline constexpr int kFirstIconResource = 130;
inline constexpr int kFirstFlagResource = 142;
inline constexpr int kBackgroundResource = 129;
inline constexpr int kLanguageCount = 12;
inline constexpr std::array<const char*, kLanguageCount> kNames{
    "Chinese", "English", "French",  "Korean",     "German",    "Italian",
    "Spanish", "Dutch",   "Portuguese", "Russian", "Ukrainian", "Trad.Chinese"};

}  // namespace language_menu

namespace statistics_page {

// Trophy pictures are page-sized, with the trophy at the large trophy control's place.
inline constexpr int kWidth = 925;
inline constexpr int kHeight = 456;
inline constexpr LayoutRect kLargeTrophy{309, 0, 607, 451};

}  // namespace statistics_page

namespace resources {

inline constexpr int kAppIcon = 128;
inline constexpr int kTrayExitIcon = 1011;
inline constexpr int kTrayConfigIcon = 1012;
inline constexpr int kTrophyLevels = 13;

}  // namespace resources

}  // namespace oryn7px
