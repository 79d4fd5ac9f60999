#pragma once
// Turns a macro record into the 1024-byte image the mouse plays.
#include <cstdint>
#include <optional>
#include <string>

#include "core/base/result.h"
#include "core/device/protocol/command_table.h"
#include "core/device/protocol/macro_image.h"
#include "core/settings/file_records.h"

namespace oryn7px {

struct EncodedMacro {
    MacroImage image;
    uint32_t usedLength = 0;  // bytes written, header included
    // The padded length + 1: the mouse needs it in the button code of the macro.
    uint32_t LengthCode() const { return image.paddedLength + 1; }
};

// The image of a record, or why it cannot be played by the mouse (kTooLarge: records beyond the
// image). Counts above the record's 1000 events are never read.
Result<EncodedMacro> EncodeMacro(const MacroEntry& macro);

// The upload of an image into a macro slot of the mouse; an error for a slot beyond kMaxMacroSlot.
Result<DeviceCommand> EncodeMacroUpload(uint32_t slot, const MacroImage& image);

// HID keyboard usage of a virtual key as the mouse plays it; 0 when the key has none.
uint8_t MacroUsageOfVirtualKey(uint32_t virtualKey);

}  // namespace oryn7px
