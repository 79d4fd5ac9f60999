#pragma once
// The pointer's position on X11, read on a connection of its own (so the reading thread never
// shares a display connection with Qt or the input hooks).
#include <optional>

#include "core/interfaces/cursor_position.h"

struct _XDisplay;

namespace oryn7px {

class X11CursorPosition final : public CursorPosition {
public:
    X11CursorPosition() = default;
    ~X11CursorPosition() override;
    X11CursorPosition(const X11CursorPosition&) = delete;
    X11CursorPosition& operator=(const X11CursorPosition&) = delete;

    // None without an X display (a Wayland session without Xwayland, a console).
    std::optional<ScreenPoint> Read() override;

private:
    _XDisplay* display_ = nullptr;
    bool unavailable_ = false;  // the display could not be opened: no second try every sample
};

}  // namespace oryn7px
