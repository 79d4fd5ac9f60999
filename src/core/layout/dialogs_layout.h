#pragma once
// The message box and the progress window.
#include "core/layout/caption_place.h"
#include "core/layout/layout_types.h"

namespace oryn7px {

namespace info_box {

inline constexpr int kWidth = 330;
inline constexpr int kHeight = 160;
inline constexpr LayoutRect kCloseButton{300, 0, 329, 29};
inline constexpr LayoutRect kAskOk{178, 127, 244, 159};
inline constexpr LayoutRect kAskCancel{245, 127, 311, 159};
inline constexpr LayoutRect kInfoOk{240, 127, 306, 159};
inline constexpr LayoutRect kMessage{90, 73, 305, 91};

// The title in the top bar and each button's caption on its face, clear of its edges. The
// count-down form shows "OK (5s)" in the OK caption's box.
inline constexpr CaptionPlace kTitleCaption{CaptionId::BoxTips, {10, 4, 200, 28}, CaptionStyle::PanelHeading};
inline constexpr CaptionPlace kInfoOkCaption{CaptionId::BoxOk, {244, 130, 302, 154}, CaptionStyle::BoxButton,
                                             CaptionAlign::Centre};
inline constexpr std::array kAskCaptions{
    kTitleCaption,
    CaptionPlace{CaptionId::BoxOk, {182, 130, 240, 154}, CaptionStyle::BoxButton, CaptionAlign::Centre},
    CaptionPlace{CaptionId::BoxCancel, {249, 130, 307, 154}, CaptionStyle::BoxButton, CaptionAlign::Centre},
};
inline constexpr std::array kInfoCaptions{kTitleCaption, kInfoOkCaption};

// Skin resources: background/normal, then the two other button looks (pressed, hover).
inline constexpr std::array<int, 3> kAskSkins{1006, 1008, 1004};
inline constexpr std::array<int, 3> kInfoSkins{1007, 1009, 1005};

}  // namespace info_box

namespace progress_window {

inline constexpr int kWidth = 330;
inline constexpr int kHeight = 80;
inline constexpr LayoutRect kBar{35, 47, 295, 56};
// Above the bar and as wide as it.
inline constexpr std::array kCaptions{
    CaptionPlace{CaptionId::Updating, {35, 18, 295, 40}, CaptionStyle::BoxText},
};

}  // namespace progress_window

}  // namespace oryn7px
