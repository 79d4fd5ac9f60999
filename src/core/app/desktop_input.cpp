#include "core/app/desktop_input.h"

#include "core/base/utf16.h"

namespace oryn7px {

namespace {

constexpr struct {
    InputMode mode;
    const char* name;
} kModeNames[] = {
    {InputMode::kX11, "x11"},
    {InputMode::kEvdev, "evdev"},
    {InputMode::kEvdevObserve, "evdev-observe"},
    {InputMode::kNone, "none"},
};

bool IsSet(const EnvironmentLookup& environment, const char* name) {
    const std::optional<std::string> value = environment(name);
    return value && !value->empty();
}

DesktopInput Missing(InputMode mode, InputProblem problem, std::string detail = {}) {
    return {mode, problem, std::move(detail), false};
}

DesktopInput FromEvdevProbe(const EvdevProbe& probe) {
    if (!probe.nodesFound) return Missing(InputMode::kNone, InputProblem::kMouseNodesMissing);
    if (!probe.nodesReadable) return Missing(InputMode::kNone, InputProblem::kMouseNodesDenied, probe.deniedNode);
    if (!probe.uinputWritable)
        return Missing(InputMode::kEvdevObserve, InputProblem::kUinputUnavailable, probe.uinputError);
    return {InputMode::kEvdev, InputProblem::kNone, {}, false};
}

std::u16string ModeText(InputMode mode, bool chinese) {
    switch (mode) {
        case InputMode::kX11: return u"X11";
        case InputMode::kEvdev: return chinese ? u"本鼠标 (Wayland)" : u"this mouse (Wayland)";
        case InputMode::kEvdevObserve:
            return chinese ? u"本鼠标，但无法阻止其他程序接收带主机动作的按键"
                           : u"this mouse, without keeping host-action buttons from other programs";
        case InputMode::kNone: return chinese ? u"无" : u"none";
    }
    return {};
}

std::u16string ProblemText(InputProblem problem, bool chinese) {
    switch (problem) {
        case InputProblem::kNone: return {};
        case InputProblem::kNoSession:
            return chinese ? u"未找到桌面会话（DISPLAY 与 WAYLAND_DISPLAY 均未设置）：请在桌面中启动程序。"
                           : u"No desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set): start the program "
                             u"from your desktop.";
        case InputProblem::kX11Unavailable:
            return chinese ? u"X 服务器不支持 XInput 2.2：窗口外的统计、主机动作与按键捕获不可用。"
                           : u"The X server offers no XInput 2.2: statistics, host actions and key capture outside "
                             u"this window do not work.";
        case InputProblem::kMouseNodesMissing:
            return chinese ? u"未找到鼠标的输入节点：请插入鼠标（虚拟鼠标没有输入节点）。"
                           : u"The mouse's input nodes were not found: plug the mouse in (the virtual mouse has "
                             u"none).";
        case InputProblem::kMouseNodesDenied:
            return chinese ? u"无法读取 %s：请安装 udev 规则 70-oryn7px.rules，然后重新插入鼠标。"
                           : u"%s cannot be read: install the udev rule 70-oryn7px.rules, then plug the mouse in "
                             u"again.";
        case InputProblem::kUinputUnavailable:
            return chinese ? u"无法打开 /dev/uinput（%s）：带主机动作的按键也会传给其他程序。请安装 udev 规则 "
                             u"70-oryn7px.rules 并加载 uinput 模块（sudo modprobe uinput）。"
                           : u"/dev/uinput cannot be opened (%s): buttons with a host action also reach other "
                             u"programs. Install the udev rule 70-oryn7px.rules and load the uinput module (sudo "
                             u"modprobe uinput).";
    }
    return {};
}

}  // namespace

SessionType DetectSessionType(const EnvironmentLookup& environment) {
    const std::optional<std::string> type = environment("XDG_SESSION_TYPE");
    if (type == "wayland") return SessionType::kWayland;
    if (type == "x11") return SessionType::kX11;
    if (IsSet(environment, "WAYLAND_DISPLAY")) return SessionType::kWayland;
    if (IsSet(environment, "DISPLAY")) return SessionType::kX11;
    return SessionType::kNone;
}

DesktopInput ChooseDesktopInput(SessionType session, const EnvironmentLookup& environment,
                                const std::function<bool()>& x11Works, const std::function<EvdevProbe()>& probe) {
    if (const std::optional<std::string> forced = environment(kForceInputVariable); forced && !forced->empty()) {
        if (const std::optional<InputMode> mode = InputModeFromName(*forced)) return {*mode, InputProblem::kNone, {}, true};
    }
    switch (session) {
        case SessionType::kNone: return Missing(InputMode::kNone, InputProblem::kNoSession);
        case SessionType::kX11:
            return x11Works() ? DesktopInput{InputMode::kX11, InputProblem::kNone, {}, false}
                              : Missing(InputMode::kNone, InputProblem::kX11Unavailable);
        case SessionType::kWayland: return FromEvdevProbe(probe());
    }
    return Missing(InputMode::kNone, InputProblem::kNoSession);
}

const char* SessionTypeName(SessionType type) {
    switch (type) {
        case SessionType::kX11: return "x11";
        case SessionType::kWayland: return "wayland";
        case SessionType::kNone: return "none";
    }
    return "none";
}

const char* InputModeName(InputMode mode) {
    for (const auto& entry : kModeNames) {
        if (entry.mode == mode) return entry.name;
    }
    return "none";
}

std::optional<InputMode> InputModeFromName(const std::string& name) {
    for (const auto& entry : kModeNames) {
        if (name == entry.name) return entry.mode;
    }
    return std::nullopt;
}

std::u16string DesktopInputModeText(const DesktopInput& input, bool chinese) {
    std::u16string text = ModeText(input.mode, chinese);
    if (input.forced) text += chinese ? u"（由 ORYN7PX_INPUT 指定）" : u" (set by ORYN7PX_INPUT)";
    return text;
}

std::u16string DesktopInputLine(const DesktopInput& input, bool chinese) {
    return (chinese ? u"桌面输入：" : u"Desktop input: ") + DesktopInputModeText(input, chinese);
}

std::u16string DesktopInputAdvice(const DesktopInput& input, bool chinese) {
    return FormatS(ProblemText(input.problem, chinese), Utf8ToUtf16(input.detail));
}

std::u16string DesktopInputSummary(const DesktopInput& input, bool chinese) {
    std::u16string summary = DesktopInputModeText(input, chinese);
    if (const std::u16string advice = DesktopInputAdvice(input, chinese); !advice.empty()) summary += u". " + advice;
    return summary;
}

std::u16string DesktopNoticeText(const DesktopInput& input, bool pointerSettingsApplied, bool chinese) {
    // The hint bar holds one short line; the support page has the reason and the fix.
    if (input.problem != InputProblem::kNone) return chinese ? u"桌面输入受限：见支持页" : u"Input limited: see Support";
    if (pointerSettingsApplied) return {};
    return chinese ? u"此桌面不接受指针设置" : u"Pointer settings not applied here";
}

}  // namespace oryn7px
