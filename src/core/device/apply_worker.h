#pragma once
// ApplyWorker: the one thread that writes the current profile to the mouse, on request.
#include <atomic>
#include <cstdint>
#include <optional>
#include <string_view>
#include <thread>

#include "core/base/clock.h"
#include "core/base/manual_reset_event.h"
#include "core/base/message.h"
#include "core/settings/settings_state.h"

namespace oryn7px {

class CUSBDriver;
class InputHooks;
class PointerSettings;
class CLog;

// Values the worker shares with the main window.
struct ApplyShared {
    ManualResetEvent hApplyEvent;
    std::atomic<int32_t> bWorkerRun{1};
    std::atomic<int32_t> applyReady{1};    // 1 when no pass is in progress
    std::atomic<int32_t> nDeviceState{0};  // 0 idle, 1 firmware check, 2 writing
};

enum ApplyFailure : int32_t {
    kApplyFailKeyMatrix = 0,
    kApplyFailLedColor = 1,
    kApplyFailEffect = 2,
    kApplyFailColorTable = 3,
    kApplyFailTouch = 4,
    kApplyFailDpi = 5,
};

// The message of a failure code, line feed included; empty for an unknown code.
std::u16string_view ApplyFailureText(intptr_t code);

// The window side the worker touches directly. Called from the worker thread.
class ApplyButtonControl {
public:
    virtual ~ApplyButtonControl() = default;
    virtual void SetApplyButtonEnabled(bool enabled) = 0;
};

struct ApplyWorkerLinks {
    CUSBDriver& driver;
    const SettingsState& settings;
    PointerSettings& pointer;
    Clock& clock;
    ApplyShared& shared;
    MessageTarget& mainWindow;
    MessageTarget& progressWindow;
    InputHooks* hooks = nullptr;                // none where the desktop's input cannot be seen
    ApplyButtonControl* applyButton = nullptr;  // none without a window
    CLog* log = nullptr;
};

class ApplyWorker {
public:
    explicit ApplyWorker(ApplyWorkerLinks links) : links_(links) {}
    ~ApplyWorker();
    ApplyWorker(const ApplyWorker&) = delete;
    ApplyWorker& operator=(const ApplyWorker&) = delete;

    void Start();
    // Clears the run flag and wakes the thread; it leaves at its next wake-up (after a running pass).
    void Stop();

    // One pass as the thread runs it after a wake-up: the writes, the result message and the
    // end-of-pass steps. Returns the failure code, or nothing on success.
    std::optional<int32_t> RunPass();

private:
    void Run();
    std::optional<int32_t> WriteProfile();
    std::optional<int32_t> WriteButtons();
    std::optional<int32_t> WriteLighting();
    void Progress(uintptr_t percent);

    ApplyWorkerLinks links_;
    std::thread thread_;
};

}  // namespace oryn7px
