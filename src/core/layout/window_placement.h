#pragma once
// Where the fixed-size main window opens on a screen.
#include "core/layout/layout_types.h"

namespace oryn7px {

// The window's top-left corner: centred in the screen's available area when it fits there;
// on a smaller screen at the area's top-left, so the title strip and the first controls stay
// reachable instead of opening off screen.
LayoutPoint WindowPosition(const LayoutRect& available, int width, int height);

}  // namespace oryn7px
