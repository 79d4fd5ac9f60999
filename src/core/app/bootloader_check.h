#pragma once
// Start-up's look for the mouse in its firmware-update mode.
#include "core/base/clock.h"
#include "core/platform/bootloader_probe.h"

namespace oryn7px {

inline constexpr uint32_t kBootloaderLookPauseMs = 500;

// Looks twice, 500 ms apart; after two misses waits another 500 ms, so a normal start-up is
// one second later. True when either look found the bootloader.
bool LookForBootloader(BootloaderProbe& probe, Clock& clock);

// The flashing tool's only argument: "1" for the Chinese UI, else "0".
inline const char* FlasherArgument(bool chinese) { return chinese ? "1" : "0"; }

}  // namespace oryn7px
