#include "core/app/foreground_support.h"

namespace oryn7px {

namespace {

std::u16string NoneText(NoForegroundReason reason, bool chinese) {
    switch (reason) {
        case NoForegroundReason::kGnomeWayland:
            return chinese ? u"GNOME 上不可用（需要 Shell 扩展）" : u"not on GNOME (needs a Shell extension)";
        case NoForegroundReason::kNoToplevelList:
            return chinese ? u"此 Wayland 合成器不向程序提供窗口列表"
                           : u"not on this Wayland compositor (it tells no program which window is in front)";
        case NoForegroundReason::kNoSession:
        case NoForegroundReason::kNone: break;
    }
    return chinese ? u"没有桌面会话时不可用" : u"not without a desktop session";
}

}  // namespace

const char* ForegroundTrackerName(ForegroundTrackerKind kind) {
    switch (kind) {
        case ForegroundTrackerKind::kX11: return "x11";
        case ForegroundTrackerKind::kKWin: return "kwin";
        case ForegroundTrackerKind::kWlroots: return "wlroots";
        case ForegroundTrackerKind::kNone: break;
    }
    return "none";
}

std::u16string ForegroundSupportText(const ForegroundSupport& support, bool chinese) {
    switch (support.kind) {
        case ForegroundTrackerKind::kX11:
            return chinese ? u"X11（窗口管理器的活动窗口）" : u"X11 (the window manager's active window)";
        case ForegroundTrackerKind::kKWin:
            return chinese ? u"KDE Plasma（KWin 脚本）" : u"KDE Plasma (a KWin script)";
        case ForegroundTrackerKind::kWlroots:
            return chinese ? u"Wayland 窗口列表（Sway、Hyprland 等 wlroots 合成器）"
                           : u"the Wayland window list (Sway, Hyprland and other wlroots compositors)";
        case ForegroundTrackerKind::kNone: break;
    }
    return NoneText(support.reason, chinese);
}

std::u16string ForegroundSupportLine(const ForegroundSupport& support, bool chinese) {
    return (chinese ? u"随程序切换配置：" : u"Profiles that follow the program: ") +
           ForegroundSupportText(support, chinese);
}

}  // namespace oryn7px
