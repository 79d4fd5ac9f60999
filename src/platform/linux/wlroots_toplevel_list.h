#pragma once
// The window list wlroots compositors offer to task bars (zwlr_foreign_toplevel_manager_v1), on
// a Wayland connection of its own: which toplevel is activated, and which exist.
#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "core/base/result.h"
#include "core/interfaces/foreground_tracker.h"

struct wl_display;
struct wl_registry;
struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_foreign_toplevel_handle_v1;

namespace oryn7px {

class WlrootsToplevelList {
public:
    // Both are called on the thread that runs Serve.
    struct Listener {
        std::function<void(const ForegroundProgram&)> activated;
        std::function<void(std::vector<ForegroundProgram>)> windowsChanged;  // every window, oldest first
    };

    // Connects to $WAYLAND_DISPLAY and binds the list; fails when there is no compositor to
    // connect to or it offers no list.
    static Result<std::unique_ptr<WlrootsToplevelList>> Connect(Listener listener);
    ~WlrootsToplevelList();
    WlrootsToplevelList(const WlrootsToplevelList&) = delete;
    WlrootsToplevelList& operator=(const WlrootsToplevelList&) = delete;

    // Reads and dispatches the compositor's events until `stop` is set and `wakeFd` becomes
    // readable, or the compositor goes away or ends the list.
    void Serve(int wakeFd, const std::atomic<bool>& stop);
    // Waits until the compositor has told everything it has now; false when it went away.
    bool CatchUp();

private:
    struct Toplevel;
    explicit WlrootsToplevelList(Listener listener);
    void Adopt(zwlr_foreign_toplevel_handle_v1* handle);
    void Done(Toplevel& toplevel);
    void Closed(Toplevel& toplevel);
    void ReportWindows();

    Listener listener_;
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
    std::list<Toplevel> toplevels_;  // stable addresses: each handle's listener data points at one
    bool finished_ = false;
};

// Whether $WAYLAND_DISPLAY's compositor offers the window list.
bool WlrootsToplevelsOffered();

}  // namespace oryn7px
