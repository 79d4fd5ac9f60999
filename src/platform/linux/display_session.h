#pragma once
// Which display the program's windows go to.
#include "platform/linux/linux_paths.h"

namespace oryn7px {

// The desktop-wide input needs X11: on a Wayland session that also offers XWayland (DISPLAY set),
// the program runs on the xcb platform, unless QT_QPA_PLATFORM already names one.
bool ShouldUseXWayland(const Environment& environment);

}  // namespace oryn7px
