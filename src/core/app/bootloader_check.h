#pragma once
// Start-up's look for the mouse in its firmware-update mode.
#include "core/base/clock.h"
#include "core/firmware/update_files.h"  // FlasherArgument, for the hand-off when it is found
#include "core/interfaces/bootloader_probe.h"

namespace oryn7px {

inline constexpr uint32_t kBootloaderLookPauseMs = 500;

// Looks twice, 500 ms apart; after two misses waits another 500 ms, so a normal start-up is
// one second later. True when either look found the bootloader.
bool LookForBootloader(BootloaderProbe& probe, Clock& clock);

}  // namespace oryn7px
