#pragma once
// Which program is in front: the desktop tells, each in its own way (X11 properties, a KWin
// script, the wlroots toplevel protocol), and the profile rules follow it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/base/result.h"

namespace oryn7px {

struct ForegroundProgram {
    std::string executable;   // the file name of its executable ("game.exe", "firefox"); may be empty
    std::string windowClass;  // X11 WM_CLASS class, or the Wayland app id; may be empty
    uint32_t pid = 0;         // 0 when the desktop does not say
    std::string title;        // the window's title, for people; never matched
    bool operator==(const ForegroundProgram&) const = default;
};

class ForegroundTracker {
public:
    using Changed = std::function<void(const ForegroundProgram&)>;
    virtual ~ForegroundTracker() = default;
    // Starts listening; `changed` is called on any thread, once with the program in front now
    // (where the desktop tells) and again each time another program comes to the front. A
    // failure says why, for people.
    virtual Status Start(Changed changed) = 0;
    // No call of `changed` follows the return.
    virtual void Stop() = 0;
    // The programs with windows now, for choosing; empty where the desktop does not list them.
    virtual std::vector<ForegroundProgram> ProgramsWithWindows() = 0;
    // "x11", "kwin", "wlroots": for the log, doctor and the README.
    virtual const char* Name() const = 0;
};

}  // namespace oryn7px
