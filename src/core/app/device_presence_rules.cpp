#include "core/app/device_presence_rules.h"

namespace oryn7px {

ArrivalNotice DecideArrivalNotice(int32_t applyReady, int32_t deviceState) {
    if (applyReady == 0) return ArrivalNotice::kRepairApplyReady;
    if (deviceState == kDeviceFirmwareCheck) return ArrivalNotice::kShowFound;
    return ArrivalNotice::kNone;
}

RemovalAction DecideRemovalAction(int32_t applyReady, int32_t deviceState, bool writeLostMouse) {
    if (applyReady == 0) return RemovalAction::kNone;
    if (deviceState == kDeviceWriting) return RemovalAction::kEndOfWrite;
    return writeLostMouse ? RemovalAction::kNone : RemovalAction::kEndProgram;
}

}  // namespace oryn7px
