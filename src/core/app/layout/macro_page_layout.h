#pragma once
// The macro page: geometry of its controls and the pictures they are cut from.
#include "core/app/layout/layout_types.h"

namespace oryn7px::macro_page {

inline constexpr StatePictures kPictures{"MacroSet_Normal.bmp", "MacroSet_Down.bmp", "MacroSet_Over.bmp"};

// Every skin file the page loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{kPictures.normal};

}  // namespace oryn7px::macro_page
