#include "platform/linux/wlroots_toplevel_list.h"

#include <poll.h>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "wlr-foreign-toplevel-management-unstable-v1-client.h"

namespace oryn7px {

namespace {

// Version 3 adds only the parent event, which changes nothing here.
constexpr uint32_t kManagerVersion = 3;

Error Missing(std::string why) { return Error{ErrorKind::kNotFound, std::move(why)}; }

}  // namespace

struct WlrootsToplevelList::Toplevel {
    WlrootsToplevelList* list = nullptr;
    zwlr_foreign_toplevel_handle_v1* handle = nullptr;
    // Title, app id and state arrive one by one and hold from the next done event.
    ForegroundProgram pending;
    bool pendingActivated = false;
    ForegroundProgram program;
    bool activated = false;
};

WlrootsToplevelList::WlrootsToplevelList(Listener listener) : listener_(std::move(listener)) {}

Result<std::unique_ptr<WlrootsToplevelList>> WlrootsToplevelList::Connect(Listener listener) {
    std::unique_ptr<WlrootsToplevelList> list(new WlrootsToplevelList(std::move(listener)));
    list->display_ = wl_display_connect(nullptr);
    if (!list->display_) return Missing("cannot connect to the Wayland compositor (WAYLAND_DISPLAY)");
    static const wl_registry_listener registryListener = {
        [](void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
            auto* self = static_cast<WlrootsToplevelList*>(data);
            if (self->manager_ || std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) != 0) return;
            self->manager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(wl_registry_bind(
                registry, name, &zwlr_foreign_toplevel_manager_v1_interface, std::min(version, kManagerVersion)));
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    list->registry_ = wl_display_get_registry(list->display_);
    wl_registry_add_listener(list->registry_, &registryListener, list.get());
    if (wl_display_roundtrip(list->display_) < 0) return Missing("the Wayland compositor closed the connection");
    if (!list->manager_) {
        return Missing("the Wayland compositor does not list its windows to programs "
                       "(no zwlr_foreign_toplevel_manager_v1)");
    }
    static const zwlr_foreign_toplevel_manager_v1_listener managerListener = {
        [](void* data, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* handle) {
            static_cast<WlrootsToplevelList*>(data)->Adopt(handle);
        },
        [](void* data, zwlr_foreign_toplevel_manager_v1* manager) {
            auto* self = static_cast<WlrootsToplevelList*>(data);
            zwlr_foreign_toplevel_manager_v1_destroy(manager);
            self->manager_ = nullptr;
            self->finished_ = true;
        },
    };
    zwlr_foreign_toplevel_manager_v1_add_listener(list->manager_, &managerListener, list.get());
    return list;
}

WlrootsToplevelList::~WlrootsToplevelList() {
    for (Toplevel& toplevel : toplevels_) zwlr_foreign_toplevel_handle_v1_destroy(toplevel.handle);
    if (manager_) zwlr_foreign_toplevel_manager_v1_destroy(manager_);
    if (registry_) wl_registry_destroy(registry_);
    if (display_) wl_display_disconnect(display_);
}

void WlrootsToplevelList::Adopt(zwlr_foreign_toplevel_handle_v1* handle) {
    static const zwlr_foreign_toplevel_handle_v1_listener handleListener = {
        [](void* data, zwlr_foreign_toplevel_handle_v1*, const char* title) {
            static_cast<Toplevel*>(data)->pending.title = title ? title : "";
        },
        [](void* data, zwlr_foreign_toplevel_handle_v1*, const char* appId) {
            static_cast<Toplevel*>(data)->pending.windowClass = appId ? appId : "";
        },
        [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
        [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
        [](void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
            const auto* state = static_cast<const uint32_t*>(states->data);
            const auto* end = state + states->size / sizeof(uint32_t);
            static_cast<Toplevel*>(data)->pendingActivated =
                std::find(state, end, ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED) != end;
        },
        [](void* data, zwlr_foreign_toplevel_handle_v1*) {
            auto* toplevel = static_cast<Toplevel*>(data);
            toplevel->list->Done(*toplevel);
        },
        [](void* data, zwlr_foreign_toplevel_handle_v1*) {
            auto* toplevel = static_cast<Toplevel*>(data);
            toplevel->list->Closed(*toplevel);
        },
        [](void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {},
    };
    Toplevel& toplevel = toplevels_.emplace_back();
    toplevel.list = this;
    toplevel.handle = handle;
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &handleListener, &toplevel);
}

void WlrootsToplevelList::Done(Toplevel& toplevel) {
    const bool listChanged = toplevel.program.windowClass != toplevel.pending.windowClass ||
                             toplevel.program.title != toplevel.pending.title;
    toplevel.program = toplevel.pending;
    toplevel.activated = toplevel.pendingActivated;
    if (listChanged) ReportWindows();
    if (toplevel.activated) listener_.activated(toplevel.program);
}

void WlrootsToplevelList::Closed(Toplevel& toplevel) {
    zwlr_foreign_toplevel_handle_v1_destroy(toplevel.handle);
    toplevels_.remove_if([&](const Toplevel& known) { return &known == &toplevel; });
    ReportWindows();
}

void WlrootsToplevelList::ReportWindows() {
    std::vector<ForegroundProgram> windows;
    for (const Toplevel& toplevel : toplevels_) windows.push_back(toplevel.program);
    listener_.windowsChanged(std::move(windows));
}

void WlrootsToplevelList::Serve(int wakeFd, const std::atomic<bool>& stop) {
    while (!stop && !finished_) {
        while (wl_display_prepare_read(display_) != 0) {
            if (wl_display_dispatch_pending(display_) < 0) return;
        }
        if (wl_display_flush(display_) < 0 && errno != EAGAIN) {
            wl_display_cancel_read(display_);
            return;
        }
        pollfd fds[2] = {{wl_display_get_fd(display_), POLLIN, 0}, {wakeFd, POLLIN, 0}};
        if (poll(fds, 2, -1) <= 0 || !(fds[0].revents & POLLIN)) {
            wl_display_cancel_read(display_);
            if (fds[0].revents & (POLLERR | POLLHUP)) return;
            continue;
        }
        if (wl_display_read_events(display_) < 0 || wl_display_dispatch_pending(display_) < 0) return;
    }
}

bool WlrootsToplevelList::CatchUp() { return wl_display_roundtrip(display_) >= 0; }

bool WlrootsToplevelsOffered() {
    return WlrootsToplevelList::Connect({[](const ForegroundProgram&) {}, [](std::vector<ForegroundProgram>) {}}).Ok();
}

}  // namespace oryn7px
