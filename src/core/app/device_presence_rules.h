#pragma once
// What the main window does when the mouse arrives or leaves, from one reading of the device state.
#include "core/device/device_state.h"

namespace oryn7px {

// Once the arrived mouse is open again.
enum class ArrivalNotice {
    kNone,
    kRepairApplyReady,  // a write had been interrupted: the apply button works again
    kShowFound,         // back after a firmware hand-over: "is found" box
};
ArrivalNotice DecideArrivalNotice(const DeviceStateView& state);

enum class RemovalAction {
    kNone,        // a write is running, or failed as the mouse left; it reports its own failure
    kEndOfWrite,  // the tail of a finished write: the state goes back to idle
    kEndProgram,  // "cannot be found" box, then the program ends
};
// A write that failed because the mouse was gone may see its removal notice after it reported
// the failure; the notice still belongs to that write.
RemovalAction DecideRemovalAction(const DeviceStateView& state);

}  // namespace oryn7px
