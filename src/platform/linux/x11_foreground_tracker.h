#pragma once
// The program in front on X11: the window manager's _NET_ACTIVE_WINDOW, followed through
// property changes on the root window, on an X connection and thread of its own.
#include <atomic>
#include <string>
#include <thread>

#include "core/interfaces/foreground_tracker.h"

struct _XDisplay;

namespace oryn7px {

class X11ForegroundTracker final : public ForegroundTracker {
public:
    ~X11ForegroundTracker() override;

    // Fails without $DISPLAY, when the display cannot be opened, or when no window manager
    // keeps _NET_ACTIVE_WINDOW.
    Status Start(Changed changed) override;
    void Stop() override;
    // Read on a short connection of its own, so any thread may ask.
    std::vector<ForegroundProgram> ProgramsWithWindows() override;
    const char* Name() const override { return "x11"; }

private:
    static void OnConnectionLost(_XDisplay* display, void* self);
    void Run(Changed changed);
    void Wake();

    std::string displayName_;
    _XDisplay* display_ = nullptr;
    int wakeFd_ = -1;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> connectionLost_{false};
};

}  // namespace oryn7px
