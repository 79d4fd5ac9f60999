#include "platform/linux/foreground_tracker_choice.h"

#include "platform/linux/current_desktop.h"
#include "platform/linux/kwin_foreground_tracker.h"
#include "platform/linux/wlroots_foreground_tracker.h"
#include "platform/linux/wlroots_toplevel_list.h"
#include "platform/linux/x11_foreground_tracker.h"

namespace oryn7px {

namespace {

ForegroundSupport Tracker(ForegroundTrackerKind kind) { return {kind, NoForegroundReason::kNone}; }
ForegroundSupport Without(NoForegroundReason reason) { return {ForegroundTrackerKind::kNone, reason}; }

std::unique_ptr<ForegroundTracker> MakeTracker(ForegroundTrackerKind kind) {
    switch (kind) {
        case ForegroundTrackerKind::kX11: return std::make_unique<X11ForegroundTracker>();
        case ForegroundTrackerKind::kKWin: return std::make_unique<KWinForegroundTracker>();
        case ForegroundTrackerKind::kWlroots: return std::make_unique<WlrootsForegroundTracker>();
        case ForegroundTrackerKind::kNone: break;
    }
    return nullptr;
}

}  // namespace

ForegroundSupport ChooseForegroundSupport(SessionType session, const EnvironmentLookup& environment,
                                          const std::function<bool()>& toplevelsOffered) {
    switch (session) {
        // Every EWMH window manager keeps _NET_ACTIVE_WINDOW, GNOME's and KDE's on X11 included.
        case SessionType::kX11: return Tracker(ForegroundTrackerKind::kX11);
        case SessionType::kWayland:
            switch (CurrentDesktop(environment)) {
                case Desktop::kKde: return Tracker(ForegroundTrackerKind::kKWin);
                case Desktop::kGnome: return Without(NoForegroundReason::kGnomeWayland);
                case Desktop::kOther: break;
            }
            return toplevelsOffered() ? Tracker(ForegroundTrackerKind::kWlroots)
                                      : Without(NoForegroundReason::kNoToplevelList);
        case SessionType::kNone: break;
    }
    return Without(NoForegroundReason::kNoSession);
}

ForegroundTrackerChoice ChooseForegroundTracker(SessionType session, const EnvironmentLookup& environment) {
    ForegroundTrackerChoice choice;
    choice.support = ChooseForegroundSupport(session, environment, WlrootsToplevelsOffered);
    choice.tracker = MakeTracker(choice.support.kind);
    return choice;
}

}  // namespace oryn7px
