#pragma once
// The program in front on wlroots compositors (Sway, Hyprland, river, labwc, ...): the app id
// of the activated toplevel in the compositor's window list, on a thread of its own. Wayland
// tells no process, so executable and pid stay empty.
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "core/interfaces/foreground_tracker.h"

namespace oryn7px {

class WlrootsForegroundTracker final : public ForegroundTracker {
public:
    ~WlrootsForegroundTracker() override;

    Status Start(Changed changed) override;
    void Stop() override;
    // While stopped, read on a short connection of its own.
    std::vector<ForegroundProgram> ProgramsWithWindows() override;
    const char* Name() const override { return "wlroots"; }

private:
    void Wake();

    std::thread thread_;
    int wakeFd_ = -1;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    bool running_ = false;                    // under mutex_
    std::vector<ForegroundProgram> windows_;  // under mutex_
};

}  // namespace oryn7px
