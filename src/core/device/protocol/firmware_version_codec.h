#pragma once
// The firmware-version request and the reading of the mouse's answer.
#include <cstddef>
#include <cstdint>

#include "core/base/result.h"
#include "core/device/protocol/command_table.h"

namespace oryn7px {

DeviceCommand EncodeFirmwareVersionRequest();

// The answer as read back, report ID in byte 0: byte 1 repeats the command, and the version is
// byte 2 x 10 + byte 3.
Result<uint32_t> DecodeFirmwareVersion(const uint8_t* answer, size_t length);

}  // namespace oryn7px
