#pragma once
// Report rate encoding: how often the mouse reports to the host.
#include <cstdint>

#include "core/device/protocol/command_table.h"

namespace oryn7px {

// The rate codes the mouse takes are 1, 2, 4 and 8; any other value is sent as 2.
DeviceCommand EncodeReportRate(int32_t rate);

}  // namespace oryn7px
