#pragma once
// Names that assistive technology reads for controls showing no text the language files have
// words for: clear English.
#include <array>
#include <string>
#include <string_view>

#include "core/base/rgb_color.h"

namespace oryn7px {

inline constexpr std::u16string_view kMinimiseName = u"Minimise";
inline constexpr std::u16string_view kHideToTrayName = u"Hide to tray";
// In ColorChannel order.
inline constexpr std::array<std::u16string_view, kColorChannelCount> kChannelNames{u"Red", u"Green", u"Blue"};

// A colour by its channels: "Red 255, green 0, blue 0".
std::u16string ColourWords(RgbColor colour);

}  // namespace oryn7px
