#pragma once
// Who is using the mouse, shared by the UI thread, the apply worker and the firmware-check
// thread. One object owns the value; it changes only through the transitions below, each one
// atomic, and readers take every field in one reading.
//
//   UI thread        request accepted only while applyReady; ApplySettled() after the result;
//                    RepairApplyReady() on arrival after an interrupted write; EndWriteTail() on
//                    removal at the tail of a write; MouseArrived() once the mouse is open again
//   apply worker     BeginWrite() (applyReady off, writing) ... RecordWriteOutcome() before the
//                    result is posted ... EndWrite() (writing -> idle)
//   firmware check   BeginFirmwareCheck() (idle -> checking) ... EndFirmwareCheck() (checking -> idle);
//                    a write in progress keeps the value: the write is what a removal must know of
#include <atomic>
#include <cstdint>

namespace oryn7px {

// The numbers are nDeviceState's.
enum class DeviceActivity : int32_t { kIdle = 0, kFirmwareCheck = 1, kWriting = 2 };

struct DeviceStateView {
    bool applyReady = true;  // no pass in progress: an apply request is accepted
    DeviceActivity activity = DeviceActivity::kIdle;
    bool writeLostMouse = false;  // the last pass failed because the mouse no longer answered

    bool operator==(const DeviceStateView&) const = default;
};

class DeviceState {
public:
    DeviceStateView Read() const;

    void BeginWrite();
    void RecordWriteOutcome(bool lostMouse);
    void EndWrite();
    void ApplySettled();

    void RepairApplyReady();
    void EndWriteTail();
    void MouseArrived();

    // False when the mouse is busy otherwise (a write); the check then runs without the state.
    bool BeginFirmwareCheck();
    void EndFirmwareCheck();

private:
    template <typename Change>
    bool Transit(Change change);

    // All fields in one word, so that a reading is never torn between two transitions.
    std::atomic<uint32_t> word_{Pack({})};

    static constexpr uint32_t Pack(DeviceStateView view) {
        return static_cast<uint32_t>(view.activity) | (view.applyReady ? 0x100u : 0u) |
               (view.writeLostMouse ? 0x200u : 0u);
    }
    static DeviceStateView Unpack(uint32_t word);
};

}  // namespace oryn7px
