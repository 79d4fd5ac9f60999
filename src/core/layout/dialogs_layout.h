#pragma once
// The message box and the progress window.
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

}  // namespace oryn7px
