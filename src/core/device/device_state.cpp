#include "core/device/device_state.h"

namespace oryn7px {

DeviceStateView DeviceState::Unpack(uint32_t word) {
    return {(word & 0x100u) != 0, static_cast<DeviceActivity>(word & 0xFFu), (word & 0x200u) != 0};
}

template <typename Change>
bool DeviceState::Transit(Change change) {
    uint32_t old = word_.load();
    for (;;) {
        DeviceStateView view = Unpack(old);
        if (!change(view)) return false;
        if (word_.compare_exchange_weak(old, Pack(view))) return true;
    }
}

DeviceStateView DeviceState::Read() const { return Unpack(word_.load()); }

void DeviceState::BeginWrite() {
    Transit([](DeviceStateView& v) {
        v.applyReady = false;
        v.activity = DeviceActivity::kWriting;
        v.writeLostMouse = false;
        return true;
    });
}

void DeviceState::RecordWriteOutcome(bool lostMouse) {
    Transit([lostMouse](DeviceStateView& v) {
        v.writeLostMouse = lostMouse;
        return true;
    });
}

void DeviceState::EndWrite() {
    Transit([](DeviceStateView& v) {
        if (v.activity != DeviceActivity::kWriting) return false;
        v.activity = DeviceActivity::kIdle;
        return true;
    });
}

void DeviceState::ApplySettled() {
    Transit([](DeviceStateView& v) {
        v.applyReady = true;
        return true;
    });
}

void DeviceState::RepairApplyReady() { ApplySettled(); }

void DeviceState::EndWriteTail() { EndWrite(); }

void DeviceState::MouseArrived() {
    Transit([](DeviceStateView& v) {
        v.writeLostMouse = false;
        return true;
    });
}

bool DeviceState::BeginFirmwareCheck() {
    return Transit([](DeviceStateView& v) {
        if (v.activity != DeviceActivity::kIdle) return false;
        v.activity = DeviceActivity::kFirmwareCheck;
        return true;
    });
}

void DeviceState::EndFirmwareCheck() {
    Transit([](DeviceStateView& v) {
        if (v.activity != DeviceActivity::kFirmwareCheck) return false;
        v.activity = DeviceActivity::kIdle;
        return true;
    });
}

}  // namespace oryn7px
