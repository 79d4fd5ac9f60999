#pragma once
// The hand-over values shared by the UI thread, the apply worker and the firmware-check thread.
#include <atomic>
#include <cstdint>

#include "core/base/manual_reset_event.h"

namespace oryn7px {

struct ProcessFlags {
    ManualResetEvent hApplyEvent;
    ManualResetEvent hFwEvent;
    std::atomic<int32_t> bWorkerRun{1};
    std::atomic<int32_t> bFwThreadRun{1};
    std::atomic<int32_t> nDeviceState{0};  // 0 idle, 1 firmware check, 2 write
};

}  // namespace oryn7px
