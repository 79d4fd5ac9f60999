#pragma once
// The lighting page: geometry of its controls and the pictures they are cut from.
#include "core/app/layout/layout_types.h"

namespace oryn7px::lighting_page {

inline constexpr StatePictures kPictures{"Light/LedSet_normal.bmp", "Light/LedSet_down.bmp", "Light/LedSet_over.bmp"};

// Every skin file the page loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{kPictures.normal};

}  // namespace oryn7px::lighting_page
