#include "platform/linux/x11_foreground_tracker.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/linux/foreground_programs.h"
#include "platform/linux/x11_errors.h"
#include "platform/linux/x11_window_programs.h"

// X headers last: their macros (None, Bool, Status) clash with everything else.
#include <X11/Xlib.h>
#undef Status  // the project's result type

namespace oryn7px {

namespace {

Status Missing(const std::string& why) { return Error{ErrorKind::kNotFound, why}; }

// The display is closed when the connection ends, unless Xlib lost it: then only its socket is.
void CloseDisplay(Display* display, bool lost) {
    if (lost) {
        close(ConnectionNumber(display));
    } else {
        XCloseDisplay(display);
    }
}

}  // namespace

X11ForegroundTracker::~X11ForegroundTracker() { Stop(); }

Status X11ForegroundTracker::Start(Changed changed) {
    Stop();
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return Missing("no X11 display (DISPLAY is not set)");
    InstallX11ErrorTrap();
    Display* display = XOpenDisplay(name);
    if (!display) return Missing(std::string("cannot open the X11 display ") + name);
    connectionLost_ = false;
    XSetIOErrorExitHandler(display, &X11ForegroundTracker::OnConnectionLost, this);
    if (!X11WindowPrograms(display).ManagerTellsActiveWindow()) {
        XCloseDisplay(display);
        return Missing("the window manager does not say which window is active (no _NET_ACTIVE_WINDOW)");
    }
    // Selected before the first read, so no change falls between the two.
    XSelectInput(display, DefaultRootWindow(display), PropertyChangeMask);
    XFlush(display);
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) {
        XCloseDisplay(display);
        return Error{ErrorKind::kIo, "cannot create the wake-up descriptor of the window tracker"};
    }
    displayName_ = name;
    display_ = display;
    stop_ = false;
    thread_ = std::thread([this, changed = std::move(changed)] { Run(changed); });
    return {};
}

void X11ForegroundTracker::Stop() {
    if (!thread_.joinable()) return;
    stop_ = true;
    Wake();
    thread_.join();
    CloseDisplay(display_, connectionLost_);
    display_ = nullptr;
    close(wakeFd_);
    wakeFd_ = -1;
}

std::vector<ForegroundProgram> X11ForegroundTracker::ProgramsWithWindows() {
    const char* fallback = std::getenv("DISPLAY");
    const std::string name = !displayName_.empty() ? displayName_ : fallback ? fallback : "";
    if (name.empty()) return {};
    InstallX11ErrorTrap();
    Display* display = XOpenDisplay(name.c_str());
    if (!display) return {};
    std::vector<ForegroundProgram> windows;
    {
        const X11WindowPrograms programs(display);
        for (const X11Window window : programs.ClientWindows()) {
            ForegroundProgram program = programs.ProgramOf(window);
            if (!program.windowClass.empty() || !program.executable.empty()) windows.push_back(std::move(program));
        }
    }
    // Windows that closed while they were read leave errors behind, not programs.
    TakeX11Errors(display);
    XCloseDisplay(display);
    return DistinctPrograms(windows);
}

void X11ForegroundTracker::OnConnectionLost(Display*, void* self) {
    static_cast<X11ForegroundTracker*>(self)->connectionLost_ = true;
}

void X11ForegroundTracker::Wake() {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
}

void X11ForegroundTracker::Run(Changed changed) {
    const X11WindowPrograms programs(display_);
    ForegroundChanges changes(std::move(changed));
    const auto reportActive = [&] {
        const std::optional<X11Window> active = programs.ActiveWindow();
        ForegroundProgram program = active ? programs.ProgramOf(*active) : ForegroundProgram{};
        TakeX11Errors(display_);
        if (!program.windowClass.empty() || !program.executable.empty()) changes.Report(program);
    };
    reportActive();
    while (!stop_ && !connectionLost_) {
        bool activeChanged = false;
        while (!connectionLost_ && XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            activeChanged |= event.type == PropertyNotify && event.xproperty.atom == programs.ActiveWindowAtom();
        }
        if (connectionLost_) break;
        // A burst of changes reads the window once, the last one. Reading queues the events
        // that arrive meanwhile inside Xlib, where poll() cannot see them: drain again first.
        if (activeChanged) {
            reportActive();
            continue;
        }
        pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) continue;
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) connectionLost_ = true;
    }
}

}  // namespace oryn7px
