#include "core/app/desktop_input.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace oryn7px {
namespace {

EnvironmentLookup EnvironmentOf(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const char* name) -> std::optional<std::string> {
        const auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

struct SessionCase {
    std::map<std::string, std::string> environment;
    SessionType expected;
};

TEST(DesktopInput, SessionTypeFromTheEnvironment) {
    const SessionCase cases[] = {
        {{}, SessionType::kNone},
        {{{"DISPLAY", ":0"}}, SessionType::kX11},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, SessionType::kWayland},
        {{{"XDG_SESSION_TYPE", "wayland"}}, SessionType::kWayland},
        // An X11 session's programs may inherit a stale WAYLAND_DISPLAY; the session type decides.
        {{{"XDG_SESSION_TYPE", "x11"}, {"WAYLAND_DISPLAY", "wayland-0"}}, SessionType::kX11},
        // A text console's session type says nothing about the displays a program was given.
        {{{"XDG_SESSION_TYPE", "tty"}, {"DISPLAY", ":1"}}, SessionType::kX11},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, SessionType::kNone},
    };
    for (const SessionCase& c : cases) {
        EXPECT_EQ(DetectSessionType(EnvironmentOf(c.environment)), c.expected)
            << SessionTypeName(c.expected);
    }
}

struct ChoiceCase {
    const char* name;
    SessionType session;
    std::map<std::string, std::string> environment;
    bool x11Works;
    EvdevProbe probe;
    InputMode mode;
    InputProblem problem;
    std::string detail;
    bool forced;
};

TEST(DesktopInput, ModeBySessionAndWhatCanBeOpened) {
    const EvdevProbe all{true, true, true, {}, {}};
    const ChoiceCase cases[] = {
        {"x11", SessionType::kX11, {}, true, {}, InputMode::kX11, InputProblem::kNone, "", false},
        {"x11 without XInput 2.2", SessionType::kX11, {}, false, {}, InputMode::kNone, InputProblem::kX11Unavailable, "", false},
        {"wayland, everything", SessionType::kWayland, {}, false, all, InputMode::kEvdev, InputProblem::kNone, "", false},
        {"wayland, no uinput", SessionType::kWayland, {}, false, {true, true, false, {}, "Permission denied"},
         InputMode::kEvdevObserve, InputProblem::kUinputUnavailable, "Permission denied", false},
        {"wayland, nodes denied", SessionType::kWayland, {}, false, {true, false, true, "/dev/input/event4", {}},
         InputMode::kNone, InputProblem::kMouseNodesDenied, "/dev/input/event4", false},
        {"wayland, no nodes", SessionType::kWayland, {}, false, {}, InputMode::kNone, InputProblem::kMouseNodesMissing, "", false},
        {"no session", SessionType::kNone, {}, true, all, InputMode::kNone, InputProblem::kNoSession, "", false},
        {"forced", SessionType::kX11, {{"ORYN7PX_INPUT", "evdev-observe"}}, true, {}, InputMode::kEvdevObserve,
         InputProblem::kNone, "", true},
        {"forced to an unknown mode: ignored", SessionType::kWayland, {{"ORYN7PX_INPUT", "magic"}}, false, all,
         InputMode::kEvdev, InputProblem::kNone, "", false},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        int probed = 0;
        const DesktopInput input = ChooseDesktopInput(
            c.session, EnvironmentOf(c.environment), [&] { return c.x11Works; },
            [&] {
                ++probed;
                return c.probe;
            });
        EXPECT_EQ(input.mode, c.mode);
        EXPECT_EQ(input.problem, c.problem);
        EXPECT_EQ(input.detail, c.detail);
        EXPECT_EQ(input.forced, c.forced);
        // The input nodes are only looked at where they could serve.
        EXPECT_EQ(probed, c.session == SessionType::kWayland && !c.forced ? 1 : 0);
    }
}

TEST(DesktopInput, ModeNamesGoBothWays) {
    for (const InputMode mode : {InputMode::kX11, InputMode::kEvdev, InputMode::kEvdevObserve, InputMode::kNone}) {
        EXPECT_EQ(InputModeFromName(InputModeName(mode)), mode);
    }
    EXPECT_EQ(InputModeFromName("EVDEV"), std::nullopt);
}

TEST(DesktopInput, TheLineSaysTheModeAndTheAdviceTheReasonAndTheFix) {
    const DesktopInput evdev{InputMode::kEvdev, InputProblem::kNone, {}, false};
    EXPECT_EQ(DesktopInputLine(evdev, false), u"Desktop input: this mouse (Wayland)");
    EXPECT_EQ(DesktopInputLine(evdev, true), u"桌面输入：本鼠标 (Wayland)");
    EXPECT_EQ(DesktopInputAdvice(evdev, false), u"");

    const DesktopInput denied{InputMode::kNone, InputProblem::kMouseNodesDenied, "/dev/input/event4", false};
    EXPECT_EQ(DesktopInputLine(denied, false), u"Desktop input: none");
    EXPECT_EQ(DesktopInputAdvice(denied, false),
              u"/dev/input/event4 cannot be read: install the udev rule 70-oryn7px.rules, then plug the mouse in again.");
    EXPECT_NE(DesktopInputAdvice(denied, true).find(u"/dev/input/event4"), std::u16string::npos);
    EXPECT_EQ(DesktopInputSummary(denied, false), u"none. " + DesktopInputAdvice(denied, false));
    EXPECT_EQ(DesktopInputSummary(evdev, false), u"this mouse (Wayland)");

    const DesktopInput forced{InputMode::kX11, InputProblem::kNone, {}, true};
    EXPECT_EQ(DesktopInputLine(forced, false), u"Desktop input: X11 (set by ORYN7PX_INPUT)");
}

TEST(DesktopInput, TheNoticeSaysTheInputFirstThenThePointerSettings) {
    const DesktopInput fine{InputMode::kX11, InputProblem::kNone, {}, false};
    const DesktopInput limited{InputMode::kEvdevObserve, InputProblem::kUinputUnavailable, "x", false};
    EXPECT_EQ(DesktopNoticeText(fine, true, false), u"");
    EXPECT_EQ(DesktopNoticeText(fine, false, false), u"Pointer settings not applied here");
    EXPECT_EQ(DesktopNoticeText(limited, false, false), u"Input limited: see Support");
}

}  // namespace
}  // namespace oryn7px
