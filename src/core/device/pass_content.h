#pragma once
// What a whole apply pass of a snapshot sends, command by command, computed without sending:
// the apply worker sends it, and the planner compares two of them.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/device/apply_request.h"
#include "core/device/protocol/command_table.h"
#include "core/device/protocol/key_matrix_encoder.h"
#include "core/device/protocol/lighting_encoder.h"
#include "core/device/protocol/macro_encoder.h"

namespace oryn7px {

// A macro button whose macro is in the library and in use, and so is given a slot.
struct MacroSlotUse {
    uint32_t slot = 0;
    // None when the mouse cannot play the macro (too long): nothing is uploaded, the button keeps
    // its ordinary job and the next macro gets the same slot.
    std::optional<EncodedMacro> encoded;
};

struct PassContent {
    std::array<std::optional<MacroSlotUse>, kButtonCount> macros;  // by button index
    std::array<std::optional<uint32_t>, kButtonCount> codes;       // none: a function without a code
    KeyMatrix keyMatrix{};
    std::vector<DeviceCommand> lighting;  // single colour (when used), effect, colour table (when used)
    DeviceCommand touch;
    DeviceCommand dpiTable;
    DeviceCommand reportRate;
};

LightingSettings LightingOf(const ProfileData& profile);

PassContent PassContentOf(const ApplySnapshot& snapshot);

}  // namespace oryn7px
