#pragma once
// The program in front on KDE Plasma (Wayland): KWin runs a small script of ours, loaded through
// its scripting interface on the session bus, that reports the active window's resource class
// and process to an object this tracker serves on a connection and thread of its own.
#include <gio/gio.h>

#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/interfaces/foreground_tracker.h"
#include "platform/linux/foreground_programs.h"

namespace oryn7px {

class KWinForegroundTracker final : public ForegroundTracker {
public:
    ~KWinForegroundTracker() override;

    // Fails without a session bus or KWin, or when KWin refuses the script.
    Status Start(Changed changed) override;
    // Unloads the script from KWin and leaves the bus.
    void Stop() override;
    // As the script last listed them; empty while stopped.
    std::vector<ForegroundProgram> ProgramsWithWindows() override;
    const char* Name() const override { return "kwin"; }

private:
    void Serve(std::string address, std::promise<std::string> started);
    std::string Register();
    void OnReport(const char* sender, const char* text);
    Status LoadScript();
    void Unload();

    GMainContext* context_ = nullptr;
    GMainLoop* loop_ = nullptr;
    GDBusConnection* connection_ = nullptr;
    guint registration_ = 0;
    std::thread thread_;
    std::string scriptFile_;
    bool scriptLoaded_ = false;
    std::optional<ForegroundChanges> changes_;  // the serving thread's

    std::mutex mutex_;
    std::string kwinOwner_;                   // under mutex_: the only sender whose reports count
    std::vector<ForegroundProgram> windows_;  // under mutex_
};

}  // namespace oryn7px
