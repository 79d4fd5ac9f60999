#pragma once
// The one place that decides how the program learns which program is in front.
#include <functional>
#include <memory>

#include "core/app/desktop_input.h"
#include "core/app/foreground_support.h"
#include "core/interfaces/foreground_tracker.h"

namespace oryn7px {

// X11 (any desktop) -> x11; KDE on Wayland -> kwin; GNOME on Wayland -> none (GNOME Shell tells
// only its extensions); another Wayland compositor -> wlroots when `toplevelsOffered` says it
// lists its windows, else none; no session -> none. `toplevelsOffered` is asked only then.
ForegroundSupport ChooseForegroundSupport(SessionType session, const EnvironmentLookup& environment,
                                          const std::function<bool()>& toplevelsOffered);

struct ForegroundTrackerChoice {
    ForegroundSupport support;
    std::unique_ptr<ForegroundTracker> tracker;  // null when support.kind is kNone
};

// The tracker ChooseForegroundSupport names, not started yet.
ForegroundTrackerChoice ChooseForegroundTracker(SessionType session, const EnvironmentLookup& environment);

}  // namespace oryn7px
