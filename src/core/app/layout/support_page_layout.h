#pragma once
// The support page: geometry of its controls and the pictures they are cut from.
#include "core/app/layout/layout_types.h"

namespace oryn7px::support_page {

inline constexpr StatePictures kPictures{"support_normal.bmp", "support_down.bmp", "support_over.bmp"};

// Every skin file the page loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{kPictures.normal};

}  // namespace oryn7px::support_page
