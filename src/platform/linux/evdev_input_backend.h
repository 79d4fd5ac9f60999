#pragma once
// Global input where X11 offers none (Wayland): the mouse's own input event nodes, read on a
// thread of our own. While buttons are intercepted the mouse's pointer node is grabbed, and what
// the hooks do not swallow reaches other programs through a uinput mirror of it.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/interfaces/input_hook_backend.h"
#include "platform/linux/evdev_devices.h"
#include "platform/linux/evdev_travel.h"

namespace oryn7px {

enum class EvdevMode {
    kIntercept,  // intercepted buttons are kept from other programs (needs /dev/uinput)
    kObserve,    // everything is heard, nothing is ever grabbed
};

class EvdevInputBackend final : public InputHookBackend {
public:
    using Notice = std::function<void(const std::string&)>;

    // The mouse's nodes found through libudev, grabbed through libevdev and uinput. `travel`
    // hears the mouse's motion; `notice` what goes wrong after installation (may be empty).
    EvdevInputBackend(EvdevMode mode, EvdevTravel& travel, Notice notice = {});
    // Nodes and grabs of the caller's own; in kObserve mode `grabber` is never asked.
    EvdevInputBackend(EvdevMode mode, EvdevTravel& travel, std::unique_ptr<EvdevNodeOpener> nodes,
                      std::unique_ptr<EvdevGrabber> grabber, Notice notice = {});
    ~EvdevInputBackend() override;
    EvdevInputBackend(const EvdevInputBackend&) = delete;
    EvdevInputBackend& operator=(const EvdevInputBackend&) = delete;

    // Serves the nodes present and those plugged in later. False only when there is neither a
    // node nor a watch for nodes, or no input thread.
    bool Install(InputHookSink& sink) override;
    void Remove() override;
    // Waits (briefly) until the input thread has taken the set: the grab is in place when it
    // returns, unless a button of the mouse is held down (the grab then follows its release).
    void SetInterceptedButtons(const std::vector<uint32_t>& codes) override;
    std::string Status() const override;

private:
    struct Node;

    bool Fail(std::string why);
    void Run();
    void Wake();
    void ApplyGrab();
    void Grab(Node& node);
    Node* PointerNode() const;
    void OpenNode(const std::string& devnode);
    void CloseNode(const std::string& devnode);
    void DropGoneNodes();
    void OnNodeChanges();
    void ReadNode(Node& node);
    void Dispatch(Node& node, const input_event& event);
    void GrabProblem(std::string why);
    void Tell(const std::string& text) const;

    EvdevTravel& travel_;
    const std::unique_ptr<EvdevNodeOpener> opener_;
    const std::unique_ptr<EvdevGrabber> grabber_;  // null when only observing
    const Notice notice_;

    // The input thread's while it runs, else Install's and Remove's.
    InputHookSink* sink_ = nullptr;
    std::unique_ptr<EvdevNodeWatch> watch_;
    std::vector<std::unique_ptr<Node>> nodes_;
    uint64_t seenRequest_ = 0;
    bool grabFailed_ = false;  // no new try until the set or the pointer node changes
    std::thread thread_;
    std::atomic<bool> stop_{false};

    mutable std::mutex mutex_;
    std::condition_variable setApplied_;
    int wakeFd_ = -1;
    std::thread::id runThreadId_;
    bool running_ = false;
    bool intercepting_ = false;
    uint64_t requested_ = 0;
    uint64_t applied_ = 0;
    // What Status() tells.
    std::size_t openNodes_ = 0;
    std::map<std::string, std::string> unreadable_;  // node → why
    std::string serviceProblem_;
    std::string grabProblem_;
};

}  // namespace oryn7px
