#include "platform/linux/x11_input_backend.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "platform/linux/x11_errors.h"
#include "platform/linux/x11_input_translate.h"

// X headers last: their macros (None, Bool, Status) clash with everything else.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#undef Status  // a member of InputHookBackend

namespace oryn7px {

namespace {

constexpr unsigned kGrabEventMask = ButtonPressMask | ButtonReleaseMask;

bool IsWaylandSession() {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return wayland && *wayland;
}

}  // namespace

X11InputBackend::X11InputBackend(std::function<void(const std::string&)> notice) : notice_(std::move(notice)) {}

X11InputBackend::~X11InputBackend() { Remove(); }

bool X11InputBackend::Install(InputHookSink& sink) {
    Remove();
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) {
        return Fail(IsWaylandSession() ? "Wayland session without X11 access: no host actions, statistics or key capture"
                                       : "no X11 display (DISPLAY is not set): no host actions, statistics or key capture");
    }
    InstallX11ErrorTrap();
    display_ = XOpenDisplay(name);
    if (!display_) return Fail(std::string("cannot open the X11 display ") + name + ": no host actions, statistics or key capture");
    // Xlib ends the process when a connection breaks, unless the display has a handler that returns.
    connectionLost_ = false;
    XSetIOErrorExitHandler(display_, &X11InputBackend::OnConnectionLost, this);
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 2;
    if (!XQueryExtension(display_, "XInputExtension", &xiOpcode_, &event, &error) ||
        XIQueryVersion(display_, &major, &minor) != Success || major < 2 || (major == 2 && minor < 2)) {
        XCloseDisplay(display_);
        display_ = nullptr;
        return Fail("the X11 display lacks XInput 2.2: no host actions, statistics or key capture");
    }
    unsigned char mask[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(mask, XI_RawKeyPress);
    XISetMask(mask, XI_RawKeyRelease);
    XISetMask(mask, XI_RawButtonPress);
    XISetMask(mask, XI_RawButtonRelease);
    XIEventMask eventMask{XIAllMasterDevices, sizeof mask, mask};
    XISelectEvents(display_, DefaultRootWindow(display_), &eventMask, 1);
    if (std::string errors = TakeX11Errors(display_); !errors.empty()) {
        XCloseDisplay(display_);
        display_ = nullptr;
        return Fail("cannot watch X11 input: " + errors);
    }
    const int wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        XCloseDisplay(display_);
        display_ = nullptr;
        return Fail("cannot create the wake-up descriptor of the input thread");
    }
    sink_ = &sink;
    stop_ = false;
    keys_ = {};
    std::lock_guard lock(mutex_);
    wakeFd_ = wakeFd;
    status_ = IsWaylandSession() ? "Wayland session: only input to X11 programs is seen and intercepted" : "";
    thread_ = std::thread([this] { Run(); });
    runThreadId_ = thread_.get_id();
    running_ = true;
    serving_ = true;
    return true;
}

void X11InputBackend::OnConnectionLost(Display*, void* self) {
    static_cast<X11InputBackend*>(self)->connectionLost_ = true;
}

void X11InputBackend::Remove() {
    {
        std::lock_guard lock(mutex_);
        if (!running_) return;
        running_ = false;
        serving_ = false;
        stop_ = true;
        Wake();
    }
    grabsApplied_.notify_all();
    thread_.join();
    if (connectionLost_) {
        // After an IO error Xlib's display (its lock included) must not be used again, not even
        // to close it: only its socket is closed, the small structure is left behind.
        close(ConnectionNumber(display_));
    } else {
        for (uint32_t button : grabbedButtons_) {
            XUngrabButton(display_, button, AnyModifier, DefaultRootWindow(display_));
        }
        TakeX11Errors(display_);
        XCloseDisplay(display_);
    }
    grabbedButtons_.clear();
    display_ = nullptr;
    sink_ = nullptr;
    // Other threads wake the input thread only under the lock, so the descriptor is never reused under them.
    std::lock_guard lock(mutex_);
    close(wakeFd_);
    wakeFd_ = -1;
}

void X11InputBackend::SetInterceptedButtons(const std::vector<uint32_t>& codes) {
    std::set<uint32_t> buttons;
    for (uint32_t code : codes) {
        if (const uint32_t button = XButtonForHookCode(code)) buttons.insert(button);
    }
    std::unique_lock lock(mutex_);
    wantedButtons_ = std::move(buttons);
    const uint64_t request = ++requested_;
    if (!serving_ || std::this_thread::get_id() == runThreadId_) return;
    Wake();
    grabsApplied_.wait_for(lock, std::chrono::seconds(2), [&] { return applied_ >= request || !serving_; });
}

std::string X11InputBackend::Status() const {
    std::lock_guard lock(mutex_);
    return status_;
}

bool X11InputBackend::IsServing() const {
    std::lock_guard lock(mutex_);
    return serving_;
}

void X11InputBackend::EndServing(const std::string& why) {
    {
        std::lock_guard lock(mutex_);
        serving_ = false;
        status_ = why;
    }
    grabsApplied_.notify_all();
    Notice(why);
}

bool X11InputBackend::Fail(std::string why) {
    std::lock_guard lock(mutex_);
    status_ = std::move(why);
    return false;
}

void X11InputBackend::Wake() {
    if (wakeFd_ < 0) return;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
}

void X11InputBackend::Run() {
    while (!stop_) {
        ApplyGrabs();
        while (!connectionLost_ && XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            Dispatch(event);
        }
        if (connectionLost_) break;
        pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) continue;
        if (fds[1].revents & POLLIN) {
            uint64_t count = 0;
            [[maybe_unused]] const ssize_t drained = read(wakeFd_, &count, sizeof count);
        }
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            connectionLost_ = true;
            break;
        }
    }
    if (connectionLost_) EndServing("the X11 display closed the connection; global input has stopped");
}

void X11InputBackend::ApplyGrabs() {
    std::unique_lock lock(mutex_);
    const std::set<uint32_t> wanted = wantedButtons_;
    const uint64_t request = requested_;
    lock.unlock();
    const Window root = DefaultRootWindow(display_);
    for (auto it = grabbedButtons_.begin(); it != grabbedButtons_.end();) {
        if (wanted.count(*it)) {
            ++it;
            continue;
        }
        XUngrabButton(display_, *it, AnyModifier, root);
        it = grabbedButtons_.erase(it);
    }
    for (uint32_t button : wanted) {
        if (grabbedButtons_.count(button)) continue;
        XGrabButton(display_, button, AnyModifier, root, False, kGrabEventMask, GrabModeAsync, GrabModeAsync,
                    None, None);
        // Each grab is checked alone: another program may hold this one button.
        if (std::string errors = TakeX11Errors(display_); !errors.empty()) {
            Notice("cannot keep X button " + std::to_string(button) + " from other programs: " + errors);
        } else {
            grabbedButtons_.insert(button);
        }
    }
    XFlush(display_);
    lock.lock();
    applied_ = request;
    grabsApplied_.notify_all();
}

void X11InputBackend::Dispatch(XEvent& event) {
    XGenericEventCookie* cookie = &event.xcookie;
    if (cookie->type != GenericEvent || cookie->extension != xiOpcode_ || !XGetEventData(display_, cookie)) return;
    const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
    switch (cookie->evtype) {
        case XI_RawKeyPress: OnKey(static_cast<uint32_t>(raw->detail), true); break;
        case XI_RawKeyRelease: OnKey(static_cast<uint32_t>(raw->detail), false); break;
        case XI_RawButtonPress: OnButton(static_cast<uint32_t>(raw->detail), true); break;
        case XI_RawButtonRelease: OnButton(static_cast<uint32_t>(raw->detail), false); break;
        default: break;
    }
    XFreeEventData(display_, cookie);
}

void X11InputBackend::OnKey(uint32_t keycode, bool pressed) {
    if (const std::optional<HookKeyEvent> key = keys_.Translate(keycode, pressed)) {
        sink_->KeyboardProc(key->virtualKey, key->flags);
    }
}

void X11InputBackend::OnButton(uint32_t button, bool pressed) {
    // What the sink swallows is already kept from others by the grab on that button.
    if (const std::optional<MouseEvent> mouse = MouseEventFromXButton(button, pressed)) {
        sink_->MouseProc(mouse->message, mouse->mouseData);
    }
}

void X11InputBackend::Notice(const std::string& text) {
    if (notice_) notice_(text);
}

bool X11InputAvailable() {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return false;
    InstallX11ErrorTrap();
    _XDisplay* display = XOpenDisplay(name);
    if (!display) return false;
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 2;
    const bool available = XQueryExtension(display, "XInputExtension", &opcode, &event, &error) &&
                           XIQueryVersion(display, &major, &minor) == Success &&
                           (major > 2 || (major == 2 && minor >= 2));
    XCloseDisplay(display);
    return available;
}

}  // namespace oryn7px
