#pragma once
// The requests oryn7px-emu serves: one JSON object per line each way. Device requests carry
// the handle that "open" returned; control requests change the mouse or dump it.
#include <nlohmann/json.hpp>

#include "platform/emulator/virtual_mouse.h"

namespace oryn7px {

// Sets *quit when the request asks the daemon to stop. Never throws: a bad request gets
// {"ok": false, "error": ...}.
nlohmann::json HandleEmulatorRequest(VirtualMouse& mouse, const nlohmann::json& request, bool* quit);

}  // namespace oryn7px
