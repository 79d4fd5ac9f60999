#include "core/app/device_presence_rules.h"

namespace oryn7px {

ArrivalNotice DecideArrivalNotice(const DeviceStateView& state) {
    if (!state.applyReady) return ArrivalNotice::kRepairApplyReady;
    if (state.activity == DeviceActivity::kFirmwareCheck) return ArrivalNotice::kShowFound;
    return ArrivalNotice::kNone;
}

RemovalAction DecideRemovalAction(const DeviceStateView& state) {
    if (!state.applyReady) return RemovalAction::kNone;
    if (state.activity == DeviceActivity::kWriting) return RemovalAction::kEndOfWrite;
    return state.writeLostMouse ? RemovalAction::kNone : RemovalAction::kEndProgram;
}

}  // namespace oryn7px
