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
#include "core/base/result.h"
#include "core/device/apply_plan.h"
#include "core/device/apply_request.h"
#include "core/device/completed_pass.h"
#include "core/device/device_state.h"
#include "core/device/pass_content.h"

namespace oryn7px {

class CUSBDriver;
class InputHooks;
class PointerSettings;
class ClosableLog;

// Values the worker shares with the main window.
struct ApplyShared {
    ManualResetEvent hApplyEvent;
    std::atomic<int32_t> bWorkerRun{1};
    DeviceState deviceState;
    ApplyMailbox mailbox;
    CompletedPass completedPass;  // kept by the worker
};

enum ApplyFailure : int32_t {
    kApplyFailKeyMatrix = 0,
    kApplyFailLedColor = 1,
    kApplyFailEffect = 2,
    kApplyFailColorTable = 3,
    kApplyFailTouch = 4,
    kApplyFailDpi = 5,
    // A refused or lost report-rate write: the mouse does not hold the profile either.
    kApplyFailReportRate = 6,
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
    PointerSettings& pointer;
    Clock& clock;
    ApplyShared& shared;
    MessageTarget& mainWindow;
    MessageTarget& progressWindow;
    InputHooks* hooks = nullptr;                // none where the desktop's input cannot be seen
    ApplyButtonControl* applyButton = nullptr;  // none without a window
    ClosableLog* log = nullptr;
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
    // The mouse's firmware version is read on the worker's thread, never on the caller's, and
    // arrives as UM_FIRMWARE_VERSION (wParam the version, 0 when it could not be read).
    void RequestFirmwareVersion();

    // One pass as the thread runs it after a wake-up: the writes (all of them, or what the
    // snapshot's scope lets the plan leave out), the result message and the end-of-pass steps.
    // Returns the failure code, or nothing on success.
    std::optional<int32_t> RunPass(std::unique_ptr<ApplySnapshot> snapshot);
    void ReadFirmwareVersion();

private:
    void Run();
    ApplyPlan PlanFor(const ApplySnapshot& snapshot, uint64_t link) const;
    std::optional<int32_t> WriteProfile(const ApplySnapshot& snapshot, const ApplyPlan& plan);
    std::optional<int32_t> WriteButtons(const ApplySnapshot& snapshot, const PassContent& content, const ApplyPlan& plan);
    std::optional<int32_t> WriteMacro(const std::optional<MacroSlotUse>& use, const ApplyPlan& plan);
    std::optional<int32_t> WriteLighting(const std::vector<DeviceCommand>& lighting);
    std::optional<int32_t> WriteDpi(const PassContent& content);
    bool MouseAnswers();
    void Progress(uintptr_t percent);

    ApplyWorkerLinks links_;
    std::thread thread_;
};

}  // namespace oryn7px
