#pragma once
// Where the desktop's pointer is, for the travel statistics.
#include <optional>

namespace oryn7px {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

class CursorPosition {
public:
    virtual ~CursorPosition() = default;
    // The pointer in screen pixels; none when the session does not tell. Called from one thread
    // at a time, not necessarily the UI thread.
    virtual std::optional<ScreenPoint> Read() = 0;
};

}  // namespace oryn7px
