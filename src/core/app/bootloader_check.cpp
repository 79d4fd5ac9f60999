#include "core/app/bootloader_check.h"

namespace oryn7px {

bool LookForBootloader(BootloaderProbe& probe, Clock& clock) {
    for (int look = 0; look < 2; ++look) {
        if (probe.IsBootloaderPresent()) return true;
        clock.SleepMs(kBootloaderLookPauseMs);
    }
    return false;
}

}  // namespace oryn7px
