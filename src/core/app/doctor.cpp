#include "core/app/doctor.h"

#include "core/base/utf16.h"

namespace oryn7px {

namespace {

constexpr const char* kRuleFix =
    "install the udev rule 70-oryn7px.rules (the package does; by hand: sudo cp data/linux/70-oryn7px.rules "
    "/etc/udev/rules.d/ && sudo udevadm control --reload && sudo udevadm trigger), then plug the mouse in again";

DoctorCheck Check(const char* key, const char* title, bool ok, bool needed, std::string detail) {
    return {key, title, ok, needed, std::move(detail), {}, {}};
}

DoctorCheck MouseCheck(const DoctorFacts& facts) {
    if (!facts.mouseNode.empty()) return Check("mouse", "Mouse", true, true, "ORYN7PX found at " + facts.mouseNode);
    if (!facts.bootloaderNode.empty()) {
        return Check("mouse", "Mouse", false, true,
                     "the mouse is in firmware-update mode (04D9:8022 at " + facts.bootloaderNode +
                         "): start the program, which hands it to the flashing tool, or replug it");
    }
    return Check("mouse", "Mouse", false, true, "the ORYN7PX (7F1D:2C05) is not plugged in: plug it in");
}

DoctorCheck AccessCheck(const DoctorFacts& facts) {
    if (facts.mouseNode.empty() && facts.bootloaderNode.empty())
        return Check("hidraw_access", "Mouse access", false, true, "no node to open: plug the mouse in");
    std::string detail;
    bool ok = true;
    const auto add = [&](const std::string& node, bool openable, const char* what) {
        if (node.empty()) return;
        if (!detail.empty()) detail += "; ";
        detail += node + (openable ? " can be opened" : " cannot be opened") + what;
        ok = ok && openable;
    };
    add(facts.mouseNode, facts.mouseOpenable, "");
    add(facts.bootloaderNode, facts.bootloaderOpenable, " (firmware-update mode)");
    if (!ok) detail += std::string(": ") + kRuleFix;
    return Check("hidraw_access", "Mouse access", ok, true, detail);
}

DoctorCheck RuleCheck(const DoctorFacts& facts) {
    if (facts.udevRuleFile.empty()) {
        const std::string detail = facts.runningAsRoot ? "not installed (root needs none; your user does): "
                                                       : "not installed: ";
        return Check("udev_rule", "udev rule", false, false, detail + kRuleFix);
    }
    if (!facts.udevRuleCurrent) {
        return Check("udev_rule", "udev rule", false, false,
                     facts.udevRuleFile + " is from an older version: it does not open the mouse's input nodes and "
                                          "uinput; " + kRuleFix);
    }
    return Check("udev_rule", "udev rule", true, false, facts.udevRuleFile);
}

DoctorCheck SessionCheck(const DoctorFacts& facts) {
    DoctorCheck check = Check("session", "Session", facts.session != SessionType::kNone, false, {});
    switch (facts.session) {
        case SessionType::kX11: check.detail = "X11"; break;
        case SessionType::kWayland: check.detail = "Wayland"; break;
        case SessionType::kNone:
            check.detail = "no desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set): the command line works, "
                           "the program needs a desktop";
            break;
    }
    check.kindKey = "type";
    check.kind = SessionTypeName(facts.session);
    return check;
}

DoctorCheck InputCheck(const DoctorFacts& facts) {
    const bool graphical = facts.session != SessionType::kNone;
    DoctorCheck check = Check("input", "Desktop input", InputFullyWorks(facts.input), graphical,
                              Utf16ToUtf8(DesktopInputSummary(facts.input, false)));
    check.kindKey = "mode";
    check.kind = InputModeName(facts.input.mode);
    return check;
}

DoctorCheck UinputCheck(const DoctorFacts& facts) {
    const bool wayland = facts.session == SessionType::kWayland;
    if (facts.uinputWritable) return Check("uinput", "uinput", true, wayland, "/dev/uinput can be opened");
    std::string detail = "/dev/uinput cannot be opened (" + facts.uinputError + ")";
    if (!wayland) {
        // X11 keeps buttons from other programs by grabbing them; uinput only matters on Wayland.
        return Check("uinput", "uinput", true, false, detail + "; only needed on Wayland");
    }
    return Check("uinput", "uinput", false, true,
                 detail + ": buttons with a host action also reach other programs; install the udev rule "
                          "70-oryn7px.rules and load the module (sudo modprobe uinput)");
}

DoctorCheck PointerCheck(const DoctorFacts& facts) {
    const bool graphical = facts.session != SessionType::kNone;
    std::string detail;
    switch (facts.pointer) {
        case PointerBackend::kX11: detail = "X11 pointer properties (wheel lines are kept for you only)"; break;
        case PointerBackend::kGnome: detail = "GNOME settings (org.gnome.desktop.peripherals.mouse; no wheel lines)"; break;
        case PointerBackend::kKde: detail = "KDE Plasma's input devices (KWin)"; break;
        case PointerBackend::kNone:
            detail = "this desktop has no place the program can set: pointer speed, precision and wheel lines are "
                     "kept in the profile but not applied; set them in the desktop's own settings";
            break;
    }
    DoctorCheck check = Check("pointer_settings", "Pointer settings", facts.pointer != PointerBackend::kNone,
                              graphical, detail);
    check.kindKey = "backend";
    check.kind = PointerBackendName(facts.pointer);
    return check;
}

DoctorCheck TrayCheck(const DoctorFacts& facts) {
    if (!facts.tray) return Check("tray", "Tray", false, false, "unknown without a desktop session");
    if (*facts.tray) return Check("tray", "Tray", true, false, "the desktop shows tray icons");
    return Check("tray", "Tray", false, false,
                 "the desktop shows no tray icons: closing the window minimises it instead (on GNOME, the "
                 "AppIndicator extension adds a tray)");
}

// Following programs is a choice, never needed: a desktop without it only says why.
DoctorCheck ForegroundCheck(const DoctorFacts& facts) {
    DoctorCheck check = Check("foreground", "Profiles that follow the program",
                              facts.foreground.kind != ForegroundTrackerKind::kNone, false,
                              Utf16ToUtf8(ForegroundSupportText(facts.foreground, false)));
    check.kindKey = "tracker";
    check.kind = ForegroundTrackerName(facts.foreground.kind);
    return check;
}

}  // namespace

bool DoctorReport::AllNeededWork() const {
    for (const DoctorCheck& check : checks) {
        if (check.needed && !check.ok) return false;
    }
    return true;
}

DoctorReport EvaluateDoctor(const DoctorFacts& facts) {
    return {{MouseCheck(facts), AccessCheck(facts), RuleCheck(facts), SessionCheck(facts), InputCheck(facts),
             UinputCheck(facts), PointerCheck(facts), TrayCheck(facts), ForegroundCheck(facts)}};
}

}  // namespace oryn7px
