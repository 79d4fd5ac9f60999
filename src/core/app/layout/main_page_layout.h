#pragma once
// The main settings page: geometry of its controls and the pictures they are cut from.
#include "core/app/layout/layout_types.h"

namespace oryn7px::main_page {

inline constexpr StatePictures kPictures{"Main_Normal.bmp", "Main_Down.bmp", "Main_Over.bmp"};

// Every skin file the page loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{kPictures.normal};

}  // namespace oryn7px::main_page
