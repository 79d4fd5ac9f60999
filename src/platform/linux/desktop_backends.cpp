#include "platform/linux/desktop_backends.h"

#include "core/base/utf16.h"
#include "platform/linux/evdev_input_backend.h"
#include "platform/linux/evdev_mouse_nodes.h"
#include "platform/linux/foreground_tracker_choice.h"
#include "platform/linux/pointer_settings_choice.h"
#include "platform/linux/x11_cursor_position.h"
#include "platform/linux/x11_input_backend.h"
#include "platform/linux/window_only_input_backend.h"

namespace oryn7px {

namespace {

std::unique_ptr<InputHookBackend> MakeHookBackend(DesktopBackends& backends, const Notice& notice) {
    switch (backends.input.mode) {
        case InputMode::kX11: return std::make_unique<X11InputBackend>(notice);
        case InputMode::kEvdev:
            return std::make_unique<EvdevInputBackend>(EvdevMode::kIntercept, backends.travel, notice);
        case InputMode::kEvdevObserve:
            return std::make_unique<EvdevInputBackend>(EvdevMode::kObserve, backends.travel, notice);
        case InputMode::kNone: break;
    }
    return std::make_unique<WindowOnlyInputBackend>(Utf16ToUtf8(DesktopInputAdvice(backends.input, false)));
}

}  // namespace

CursorPosition* DesktopBackends::Cursor() {
    switch (input.mode) {
        case InputMode::kX11: return x11Cursor.get();
        case InputMode::kEvdev:
        case InputMode::kEvdevObserve: return &travel;
        case InputMode::kNone: break;
    }
    return nullptr;
}

std::string DesktopBackends::Situation() const {
    return std::string(SessionTypeName(session)) + " " + InputModeName(input.mode) + " " +
           PointerBackendName(pointerKind);
}

std::unique_ptr<DesktopBackends> ChooseDesktopBackends(const Environment& environment, const Notice& notice) {
    auto backends = std::make_unique<DesktopBackends>();
    backends->session = DetectSessionType(environment);
    backends->input = ChooseDesktopInput(backends->session, environment, X11InputAvailable, ProbeEvdevInput);
    backends->hooks = MakeHookBackend(*backends, notice);
    if (backends->input.mode == InputMode::kX11) backends->x11Cursor = std::make_unique<X11CursorPosition>();
    PointerSettingsChoice pointer = MakePointerSettings(environment, notice);
    backends->pointerKind = pointer.kind;
    backends->pointer = std::move(pointer.settings);
    ForegroundTrackerChoice foreground = ChooseForegroundTracker(backends->session, environment);
    backends->foreground = foreground.support;
    backends->foregroundTracker = std::move(foreground.tracker);
    return backends;
}

}  // namespace oryn7px
