#pragma once
// Turns a macro record into the 1024-byte image the mouse plays.
#include <cstdint>
#include <optional>
#include <string>

#include "core/device/macro_image.h"
#include "core/settings/records.h"

namespace oryn7px {

inline constexpr std::size_t kMacroImageUnits = kMacroImageSize / 2;  // the header plus 511 event units

struct EncodedMacro {
    MacroImage image;
    uint32_t usedLength = 0;  // bytes written, header included
    uint32_t Result() const { return image.paddedLength + 1; }
};

struct MacroEncodeError {
    std::string message;
};

// The image of a record, or why it cannot be played by the mouse (records beyond the image).
// Counts above the record's 1000 events are never read.
std::optional<EncodedMacro> EncodeMacro(const MacroEntry& macro, MacroEncodeError* error = nullptr);

// HID keyboard usage of a virtual key as the mouse plays it; 0 when the key has none.
uint8_t MacroUsageOfVirtualKey(uint32_t virtualKey);

}  // namespace oryn7px
