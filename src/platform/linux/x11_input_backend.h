#pragma once
// Global input on X11: XInput 2 raw events observed on a connection and thread of our own, and
// passive button grabs on the root window to keep intercepted buttons from other programs.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/interfaces/input_hook_backend.h"
#include "platform/linux/x11_input_translate.h"

struct _XDisplay;
union _XEvent;

namespace oryn7px {

class X11InputBackend final : public InputHookBackend {
public:
    // `notice` hears what goes wrong after installation (a button another program holds); may be empty.
    explicit X11InputBackend(std::function<void(const std::string&)> notice = {});
    ~X11InputBackend() override;

    bool Install(InputHookSink& sink) override;
    void Remove() override;
    // Waits (briefly) until the grabs are in place, so an intercept holds from the moment it
    // returns; at once when the input thread no longer serves (never started, or its X
    // connection was lost).
    void SetInterceptedButtons(const std::vector<uint32_t>& codes) override;
    std::string Status() const override;
    // True from Install until Remove, unless the X connection was lost meanwhile.
    bool IsServing() const;

private:
    static void OnConnectionLost(_XDisplay* display, void* self);
    void EndServing(const std::string& why);
    bool Fail(std::string why);
    void Run();
    void Wake();
    void ApplyGrabs();
    void Dispatch(union _XEvent& event);
    void OnKey(uint32_t keycode, bool pressed);
    void OnButton(uint32_t button, bool pressed);
    void Notice(const std::string& text);

    std::function<void(const std::string&)> notice_;
    _XDisplay* display_ = nullptr;
    int xiOpcode_ = 0;
    int wakeFd_ = -1;
    InputHookSink* sink_ = nullptr;
    std::thread thread_;
    std::thread::id runThreadId_;  // under mutex_, with running_, serving_ and wakeFd_
    bool running_ = false;  // the input thread exists (until Remove joins it)
    bool serving_ = false;  // and still reads its X connection
    std::atomic<bool> stop_{false};
    std::atomic<bool> connectionLost_{false};
    HookKeyTranslator keys_;  // backend thread only

    mutable std::mutex mutex_;
    std::condition_variable grabsApplied_;
    std::set<uint32_t> wantedButtons_;   // X buttons to grab
    std::set<uint32_t> grabbedButtons_;  // backend thread only
    uint64_t requested_ = 0;
    uint64_t applied_ = 0;
    std::string status_;
};

// Whether $DISPLAY can be opened and offers XInput 2.2, which the backend needs.
bool X11InputAvailable();

}  // namespace oryn7px
