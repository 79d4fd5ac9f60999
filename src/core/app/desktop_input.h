#pragma once
// Which desktop the program runs on and how it hears the mouse there: the session type, the
// input mode chosen once at start-up, and what to tell the user when something does not work.
#include <functional>
#include <optional>
#include <string>

#include "core/i18n/locale_language.h"

namespace oryn7px {

enum class SessionType { kX11, kWayland, kNone };

enum class InputMode {
    kX11,           // XInput 2 on the X server: every pointing device
    kEvdev,         // the mouse's own input nodes, intercepted buttons kept from other programs
    kEvdevObserve,  // the mouse's own input nodes, seen but not kept (no uinput)
    kNone,
};

// Why the input mode is less than the session could give; kNone when nothing is missing.
enum class InputProblem {
    kNone,
    kNoSession,           // no X11 or Wayland display
    kX11Unavailable,      // the X server offers no XInput 2.2
    kMouseNodesMissing,   // no input node of the mouse (unplugged, or the virtual mouse)
    kMouseNodesDenied,    // the nodes exist but this user may not read them
    kUinputUnavailable,   // /dev/uinput missing or not writable: nothing can be kept back
};

struct DesktopInput {
    InputMode mode = InputMode::kNone;
    InputProblem problem = InputProblem::kNone;
    std::string detail;    // a path or a name that goes with the problem
    bool forced = false;   // chosen by ORYN7PX_INPUT, not by the probes
};

// What the evdev probe found; asked only where the evdev backend could serve.
struct EvdevProbe {
    bool nodesFound = false;
    bool nodesReadable = false;
    bool uinputWritable = false;
    std::string deniedNode;    // the first node that could not be opened
    std::string uinputError;   // why /dev/uinput could not be opened
};

inline constexpr const char* kForceInputVariable = "ORYN7PX_INPUT";

// XDG_SESSION_TYPE when it says x11 or wayland; otherwise WAYLAND_DISPLAY, then DISPLAY.
SessionType DetectSessionType(const EnvironmentLookup& environment);

// X11 sessions keep the X11 backend (it sees every pointing device); Wayland sessions use the
// mouse's nodes when they can be read. ORYN7PX_INPUT (x11, evdev, evdev-observe, none) forces
// a mode for tests. `x11Works` and `probe` are asked only when their answer decides.
DesktopInput ChooseDesktopInput(SessionType session, const EnvironmentLookup& environment,
                                const std::function<bool()>& x11Works, const std::function<EvdevProbe()>& probe);

const char* SessionTypeName(SessionType type);   // "x11", "wayland", "none"
const char* InputModeName(InputMode mode);       // "x11", "evdev", "evdev-observe", "none"
std::optional<InputMode> InputModeFromName(const std::string& name);

// True when host actions, statistics and key capture all work as on Windows.
inline bool InputFullyWorks(const DesktopInput& input) {
    return input.mode == InputMode::kX11 || input.mode == InputMode::kEvdev;
}

// "this mouse (Wayland)", "none", ...
std::u16string DesktopInputModeText(const DesktopInput& input, bool chinese);
// The support page's line, e.g. "Desktop input: this mouse (Wayland)"; "none" comes with the
// reason and the fix.
std::u16string DesktopInputLine(const DesktopInput& input, bool chinese);
// The reason and what to do, in one sentence or two; empty when nothing is missing.
std::u16string DesktopInputAdvice(const DesktopInput& input, bool chinese);
// The mode and, where something is missing, the advice: "none. The mouse's input nodes ...".
std::u16string DesktopInputSummary(const DesktopInput& input, bool chinese);

// What the hint bar says once on a desktop where something does not work: that the input is
// limited, else that the pointer settings are not applied; empty when everything works.
std::u16string DesktopNoticeText(const DesktopInput& input, bool pointerSettingsApplied, bool chinese);

}  // namespace oryn7px
