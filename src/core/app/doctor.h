#pragma once
// oryn7px-cli doctor: what a user would otherwise find out by trial, one check per line, each
// saying ok or what to do. The facts are gathered by the caller; the verdicts are made here.
#include <optional>
#include <string>
#include <vector>

#include "core/app/desktop_input.h"
#include "core/app/foreground_support.h"
#include "core/interfaces/pointer_settings.h"

namespace oryn7px {

struct DoctorFacts {
    std::string mouseNode;          // the mouse's vendor interface; empty when not found
    bool mouseOpenable = false;
    std::string bootloaderNode;     // the mouse in firmware-update mode; empty when not present
    bool bootloaderOpenable = false;
    std::string udevRuleFile;       // the installed rule; empty when none is
    bool udevRuleCurrent = false;   // it also opens the input nodes and uinput
    bool runningAsRoot = false;
    SessionType session = SessionType::kNone;
    DesktopInput input;
    bool uinputWritable = false;
    std::string uinputError;
    PointerBackend pointer = PointerBackend::kNone;
    std::optional<bool> tray;       // unknown without a session
    ForegroundSupport foreground;
};

struct DoctorCheck {
    std::string key;      // mouse, hidraw_access, udev_rule, session, input, uinput, pointer_settings, tray, foreground
    std::string title;    // for the text form
    bool ok = false;
    bool needed = false;  // counts for the exit status in this session
    std::string detail;
    std::string kindKey;  // "type", "mode", "backend" or "tracker": the one extra field of some checks
    std::string kind;
};

struct DoctorReport {
    std::vector<DoctorCheck> checks;
    bool AllNeededWork() const;
};

DoctorReport EvaluateDoctor(const DoctorFacts& facts);

}  // namespace oryn7px
