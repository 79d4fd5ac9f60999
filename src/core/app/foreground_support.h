#pragma once
// Which tracker tells the program in front on this desktop, or why none can: for the log,
// doctor, the rules dialog and the README.
#include <string>

namespace oryn7px {

enum class ForegroundTrackerKind { kX11, kKWin, kWlroots, kNone };

enum class NoForegroundReason {
    kNone,
    kNoSession,        // neither an X11 nor a Wayland display
    kGnomeWayland,     // GNOME Shell tells the window in front only to its own extensions
    kNoToplevelList,   // a Wayland compositor that lists its windows to no program
};

struct ForegroundSupport {
    ForegroundTrackerKind kind = ForegroundTrackerKind::kNone;
    NoForegroundReason reason = NoForegroundReason::kNoSession;
    bool operator==(const ForegroundSupport&) const = default;
};

const char* ForegroundTrackerName(ForegroundTrackerKind kind);  // "x11", "kwin", "wlroots", "none"

// "X11 (the window manager's active window)", "not on GNOME (needs a Shell extension)", ...
std::u16string ForegroundSupportText(const ForegroundSupport& support, bool chinese);
// "Profiles that follow the program: " and the text above.
std::u16string ForegroundSupportLine(const ForegroundSupport& support, bool chinese);

}  // namespace oryn7px
