#pragma once
// What the window manager says about windows (EWMH): which one is active, which exist, and
// the program behind each.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/interfaces/foreground_tracker.h"

struct _XDisplay;

namespace oryn7px {

using X11Window = unsigned long;

class X11WindowPrograms {
public:
    explicit X11WindowPrograms(_XDisplay* display);

    // Whether the window manager keeps _NET_ACTIVE_WINDOW (it lists it in _NET_SUPPORTED).
    bool ManagerTellsActiveWindow() const;
    // The atom whose change on the root window means another window is active.
    unsigned long ActiveWindowAtom() const { return activeWindow_; }
    // Nullopt while no window is active (the desktop, or no window manager).
    std::optional<X11Window> ActiveWindow() const;
    // The windows the manager lists (_NET_CLIENT_LIST), oldest first.
    std::vector<X11Window> ClientWindows() const;
    // Its WM_CLASS class, title, process and that process's executable from /proc. A window
    // that has gone gives an empty program.
    ForegroundProgram ProgramOf(X11Window window) const;

private:
    std::vector<unsigned long> Numbers(X11Window window, unsigned long property, unsigned long type) const;
    std::string Text(X11Window window, unsigned long property, unsigned long type) const;
    uint32_t ProcessOf(X11Window window) const;
    uint32_t ProcessTheServerKnows(X11Window window) const;
    bool FromThisMachine(X11Window window) const;

    _XDisplay* display_;
    X11Window root_;
    bool serverKnowsProcesses_ = false;  // X-Resource 1.2
    unsigned long supported_, activeWindow_, clientList_, pid_, name_, utf8_, clientMachine_;
};

}  // namespace oryn7px
