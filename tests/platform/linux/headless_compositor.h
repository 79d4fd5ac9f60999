#pragma once
// Wayland compositors of the test's own, headless: Sway (which offers the wlroots window list)
// and Weston (which does not), each with a private runtime folder and the test's windows.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "support/child_process.h"

namespace oryn7px {

class HeadlessCompositor {
public:
    enum class Kind { kSway, kWeston };

    explicit HeadlessCompositor(Kind kind) {
        char pattern[] = "/tmp/oryn7px-compositor-XXXXXX";
        if (!mkdtemp(pattern)) return;
        folder_ = pattern;
        run_ = folder_ / "run";
        std::filesystem::create_directory(run_);
        chmod(run_.c_str(), 0700);
        std::vector<std::string> argv;
        if (kind == Kind::kSway) {
            argv = SwayCommand();
        } else {
            argv = {"weston", "--backend=headless-backend.so", "--socket=wayland-9", "--width=640", "--height=480"};
        }
        compositor_ = ChildProcess(argv,
                                   {"XDG_RUNTIME_DIR=" + run_.string(), "HOME=" + run_.string(), "WLR_BACKENDS=headless",
                                    "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman", "SWAYSOCK=" + IpcSocket(),
                                    "WAYLAND_DISPLAY="},
                                   (folder_ / "compositor.log").string());
        WaitUntil([&] { return !Socket().empty(); });
    }
    ~HeadlessCompositor() {
        windows_.clear();
        compositor_.Kill();
        std::error_code error;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, error);
    }

    // The compositor's socket as a full path, which WAYLAND_DISPLAY may name; empty until it listens.
    std::string Socket() const {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(run_, error)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("wayland-", 0) == 0 && entry.is_socket()) return entry.path().string();
        }
        return {};
    }
    std::string Log() const {
        std::ifstream in(folder_ / "compositor.log");
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Kill() { compositor_.Kill(); }

    // A window of the test program with this app id and title.
    void OpenWindow(const std::string& appId, const std::string& title) {
        windows_.emplace_back(std::vector<std::string>{ORYN7PX_TEST_WINDOW, appId, title},
                              std::vector<std::string>{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=" + Socket(),
                                                       "XDG_RUNTIME_DIR=" + run_.string()});
    }
    // As a user's click would: Sway moves the focus to the window with this app id.
    bool Focus(const std::string& appId) const {
        const std::string command =
            "swaymsg -s '" + IpcSocket() + "' '[app_id=\"" + appId + "\"] focus' >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }

private:
    // Sway refuses to run as root: as root the test runs it as nobody, in a folder nobody owns.
    std::vector<std::string> SwayCommand() {
        const std::filesystem::path config = folder_ / "config";
        std::ofstream(config) << "xwayland disable\n";
        std::vector<std::string> argv{"sway", "-c", config.string()};
        if (geteuid() != 0) return argv;
        chmod(folder_.c_str(), 0755);
        chmod(config.c_str(), 0644);
        if (chown(run_.c_str(), 65534, 65534) != 0) return argv;
        argv.insert(argv.begin(), {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
        return argv;
    }
    std::string IpcSocket() const { return (run_ / "ipc.sock").string(); }

    std::filesystem::path folder_;
    std::filesystem::path run_;
    ChildProcess compositor_;
    std::vector<ChildProcess> windows_;
};

// Points WAYLAND_DISPLAY somewhere for one test.
class ScopedWaylandDisplay {
public:
    explicit ScopedWaylandDisplay(const std::string& socket) {
        if (const char* old = std::getenv("WAYLAND_DISPLAY")) old_ = old;
        setenv("WAYLAND_DISPLAY", socket.c_str(), 1);
    }
    ~ScopedWaylandDisplay() {
        if (old_) setenv("WAYLAND_DISPLAY", old_->c_str(), 1);
        else unsetenv("WAYLAND_DISPLAY");
    }

private:
    std::optional<std::string> old_;
};

}  // namespace oryn7px
