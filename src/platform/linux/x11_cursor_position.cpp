#include "platform/linux/x11_cursor_position.h"

// X headers last: their macros clash with everything else.
#include <X11/Xlib.h>

namespace oryn7px {

X11CursorPosition::~X11CursorPosition() {
    if (display_) XCloseDisplay(display_);
}

std::optional<ScreenPoint> X11CursorPosition::Read() {
    if (!display_ && !unavailable_) {
        display_ = XOpenDisplay(nullptr);
        unavailable_ = display_ == nullptr;
    }
    if (!display_) return std::nullopt;
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned int buttons = 0;
    // False when the pointer is on another screen of the display: its position there still counts.
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &windowX, &windowY, &buttons);
    return ScreenPoint{rootX, rootY};
}

}  // namespace oryn7px
