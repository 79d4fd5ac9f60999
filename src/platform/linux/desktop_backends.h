#pragma once
// The backends of the desktop the program runs on, chosen once at start-up: how desktop input
// reaches the hooks, where the travel statistics come from, where the pointer settings go, who
// tells the program in front.
#include <functional>
#include <memory>
#include <string>

#include "core/app/desktop_input.h"
#include "core/app/foreground_support.h"
#include "core/interfaces/cursor_position.h"
#include "core/interfaces/foreground_tracker.h"
#include "core/interfaces/input_hook_backend.h"
#include "core/interfaces/pointer_settings.h"
#include "platform/linux/evdev_travel.h"
#include "platform/linux/linux_paths.h"

namespace oryn7px {

struct DesktopBackends {
    SessionType session = SessionType::kNone;
    DesktopInput input;
    std::unique_ptr<InputHookBackend> hooks;
    EvdevTravel travel;                     // fed by the evdev backend
    std::unique_ptr<CursorPosition> x11Cursor;
    PointerBackend pointerKind = PointerBackend::kNone;
    std::unique_ptr<PointerSettings> pointer;
    ForegroundSupport foreground;
    std::unique_ptr<ForegroundTracker> foregroundTracker;  // not started; null where none can tell

    // Where the statistics page samples travel; null where none can be measured.
    CursorPosition* Cursor();
    // Keys typed into the program's own windows must feed the hooks: the session hides others.
    bool NeedsWindowKeys() const { return input.mode != InputMode::kX11; }
    // "wayland evdev gnome": what the desktop notice is remembered by.
    std::string Situation() const;
};

using Notice = std::function<void(const std::string&)>;

std::unique_ptr<DesktopBackends> ChooseDesktopBackends(const Environment& environment, const Notice& notice);

}  // namespace oryn7px
