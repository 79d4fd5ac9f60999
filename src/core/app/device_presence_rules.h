#pragma once
// What the main window does when the mouse arrives or leaves, from the two shared flags.
#include <cstdint>

namespace oryn7px {

// nDeviceState values.
inline constexpr int32_t kDeviceIdle = 0;
inline constexpr int32_t kDeviceFirmwareCheck = 1;
inline constexpr int32_t kDeviceWriting = 2;

// Once the arrived mouse is open again.
enum class ArrivalNotice {
    kNone,
    kRepairApplyReady,  // a write had been interrupted: the apply button works again
    kShowFound,         // back after a firmware hand-over: "is found" box
};
ArrivalNotice DecideArrivalNotice(int32_t applyReady, int32_t deviceState);

enum class RemovalAction {
    kNone,        // a write is running, or failed as the mouse left; it reports its own failure
    kEndOfWrite,  // the tail of a finished write: nDeviceState goes back to idle
    kEndProgram,  // "cannot be found" box, then the program ends
};
// writeLostMouse: the last write failed because the mouse was gone. Its removal notice may come
// after the write has already reported the failure; it still belongs to that write.
RemovalAction DecideRemovalAction(int32_t applyReady, int32_t deviceState, bool writeLostMouse);

}  // namespace oryn7px
