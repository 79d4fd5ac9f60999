#pragma once
// The main window's frame: its buttons, tabs, page area and the resources it shows.
#include "core/layout/caption_place.h"
#include "core/layout/layout_types.h"

namespace oryn7px {

namespace main_window {

inline constexpr StatePictures kPictures{"Frame_Normal.bmp", "Frame_Down.bmp", "Frame_Over.bmp"};

inline constexpr int kWidth = 957;
inline constexpr int kHeight = 636;

inline constexpr LayoutRect kMinimiseButton{887, 2, 921, 33};
inline constexpr LayoutRect kHideButton{922, 2, 956, 33};
inline constexpr LayoutRect kModelName{444, 31, 519, 52};
inline constexpr LayoutRect kPageArea{15, 128, 940, 580};
inline constexpr LayoutRect kFlagPicture{19, 592, 55, 615};
// A globe at its left, then its caption: wider than the flag above it for the longer words.
inline constexpr LayoutRect kLanguageButton{11, 617, 61, 635};
inline constexpr int kLanguageGlobeWidth = 16;  // with the room before and after it
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

// The captions, each on its button: the pictures carry none.
inline constexpr std::array<CaptionPlace, 12> kCaptions{{
    {CaptionId::TabMain, CaptionBoxIn(kPageTabs[0], 8), CaptionStyle::PageTab, CaptionAlign::Centre},
    {CaptionId::TabLighting, CaptionBoxIn(kPageTabs[1], 8), CaptionStyle::PageTab, CaptionAlign::Centre},
    {CaptionId::TabMacros, CaptionBoxIn(kPageTabs[2], 8), CaptionStyle::PageTab, CaptionAlign::Centre},
    {CaptionId::TabStatistics, CaptionBoxIn(kPageTabs[3], 8), CaptionStyle::PageTab, CaptionAlign::Centre},
    {CaptionId::TabSupport, CaptionBoxIn(kPageTabs[4], 8), CaptionStyle::PageTab, CaptionAlign::Centre},
    {CaptionId::Profile, CaptionBoxIn(kProfileButtons[0], 6), CaptionStyle::ProfileButton, CaptionAlign::Centre, 1},
    {CaptionId::Profile, CaptionBoxIn(kProfileButtons[1], 6), CaptionStyle::ProfileButton, CaptionAlign::Centre, 2},
    {CaptionId::Profile, CaptionBoxIn(kProfileButtons[2], 6), CaptionStyle::ProfileButton, CaptionAlign::Centre, 3},
    {CaptionId::Profile, CaptionBoxIn(kProfileButtons[3], 6), CaptionStyle::ProfileButton, CaptionAlign::Centre, 4},
    {CaptionId::Profile, CaptionBoxIn(kProfileButtons[4], 6), CaptionStyle::ProfileButton, CaptionAlign::Centre, 5},
    {CaptionId::Apply, CaptionBoxIn(kApplyButton, 8), CaptionStyle::ApplyButton, CaptionAlign::Centre},
    {CaptionId::Lang,
     {kLanguageButton.left + kLanguageGlobeWidth, kLanguageButton.top, kLanguageButton.right - 2,
      kLanguageButton.bottom},
     CaptionStyle::LanguageButton, CaptionAlign::Centre},
}};

// After the profile followed the program in front, the hint bar names both: "Profile 2 (for
// game.exe)". Its number is the widest the profile takes.
inline constexpr std::array<CaptionPlace, 1> kFollowedProfileHint{
    {{CaptionId::ProfileForProgram, kHintBar, CaptionStyle::Hint, CaptionAlign::Left, 5}}};

// Tooltips of the profile buttons and the apply button; a tab takes its page's title.
inline constexpr std::array<const char*, 5> kProfileTooltipKeys{"str_profile1", "str_profile2", "str_profile3",
                                                                "str_profile4", "str_profile5"};
inline constexpr const char* kApplyTooltip = "Alt+G";

// The hint numbers the window's own buttons post while the mouse is over them.
inline constexpr std::array<int, 5> kTabHints{1, 2, 3, 4, 5};
inline constexpr std::array<int, 5> kProfileHints{6, 7, 8, 9, 10};
inline constexpr int kApplyHint = 11;

// Button-picture resources in the order normal, pressed, hover, disabled.
inline constexpr std::array<int, 4> kButtonPicturesChinese{161, 160, 162, 161};
inline constexpr std::array<int, 4> kButtonPicturesOther{164, 163, 165, 164};

}  // namespace main_window

namespace language_menu {

inline constexpr int kFirstIconResource = 130;
inline constexpr int kFirstFlagResource = 142;
inline constexpr int kBackgroundResource = 129;
inline constexpr int kLanguageCount = 12;
inline constexpr std::array<const char*, kLanguageCount> kNames{
    "Chinese", "English", "French",  "Korean",     "German",    "Italian",
    "Spanish", "Dutch",   "Portuguese", "Russian", "Ukrainian", "Trad.Chinese"};

}  // namespace language_menu

namespace resources {

inline constexpr int kAppIcon = 128;
inline constexpr int kTrayExitIcon = 1011;
inline constexpr int kTrayConfigIcon = 1012;

}  // namespace resources

}  // namespace oryn7px
