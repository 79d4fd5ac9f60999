#include "platform/linux/wlroots_foreground_tracker.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include "platform/linux/foreground_programs.h"
#include "platform/linux/wlroots_toplevel_list.h"

namespace oryn7px {

namespace {

std::vector<ForegroundProgram> Named(const std::vector<ForegroundProgram>& windows) {
    std::vector<ForegroundProgram> named;
    for (const ForegroundProgram& window : windows) {
        if (!window.windowClass.empty()) named.push_back(window);
    }
    return DistinctPrograms(named);
}

std::vector<ForegroundProgram> WindowsNow() {
    std::vector<ForegroundProgram> windows;
    auto list = WlrootsToplevelList::Connect(
        {[](const ForegroundProgram&) {}, [&](std::vector<ForegroundProgram> now) { windows = std::move(now); }});
    if (!list.Ok() || !(*list)->CatchUp()) return {};
    return windows;
}

}  // namespace

WlrootsForegroundTracker::~WlrootsForegroundTracker() { Stop(); }

Status WlrootsForegroundTracker::Start(Changed changed) {
    Stop();
    auto changes = std::make_shared<ForegroundChanges>(std::move(changed));
    auto list = WlrootsToplevelList::Connect({
        [changes](const ForegroundProgram& program) {
            if (!program.windowClass.empty()) changes->Report(program);
        },
        [this](std::vector<ForegroundProgram> windows) {
            std::lock_guard lock(mutex_);
            windows_ = std::move(windows);
        },
    });
    if (!list.Ok()) return list.Failure();
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) return Error{ErrorKind::kIo, "cannot create the wake-up descriptor of the window tracker"};
    stop_ = false;
    {
        std::lock_guard lock(mutex_);
        running_ = true;
    }
    thread_ = std::thread([this, list = std::move(*list)] { list->Serve(wakeFd_, stop_); });
    return {};
}

void WlrootsForegroundTracker::Stop() {
    if (!thread_.joinable()) return;
    stop_ = true;
    Wake();
    thread_.join();
    close(wakeFd_);
    wakeFd_ = -1;
    std::lock_guard lock(mutex_);
    running_ = false;
    windows_.clear();
}

std::vector<ForegroundProgram> WlrootsForegroundTracker::ProgramsWithWindows() {
    {
        std::lock_guard lock(mutex_);
        if (running_) return Named(windows_);
    }
    return Named(WindowsNow());
}

void WlrootsForegroundTracker::Wake() {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
}

}  // namespace oryn7px
