#pragma once
// What the mouse stores per device slot for each button, and where each button lives.
#include <array>
#include <cstdint>
#include <optional>

#include "core/device/protocol/key_matrix_encoder.h"
#include "core/settings/file_records.h"

namespace oryn7px {

// Per button index: its slot in the key matrix and the code of its ordinary job.
inline constexpr std::array<int, kButtonCount> kDeviceSlot = {0, 2, 1, 5, 4, 14, 15, 3};
inline constexpr std::array<uint32_t, kButtonCount> kDefaultButtonCode = {
    0x00F00001, 0x00F20001, 0x00F10001, 0x00F40001, 0x00F30001, 0x00010004, 0x00020004, 0x00030007};

// Every button has a slot of its own, and none is the reserved one.
static_assert([] {
    std::array<bool, kKeyMatrixSlots> taken{};
    for (const int slot : kDeviceSlot) {
        if (slot < 0 || slot >= kKeyMatrixSlots || slot == kReservedSlot || taken[static_cast<size_t>(slot)]) {
            return false;
        }
        taken[static_cast<size_t>(slot)] = true;
    }
    return true;
}());

// The fixed code of a function type; none for key (5), macro (6), host action (19) and
// types without a code, which the caller resolves.
std::optional<uint32_t> FixedButtonCode(int32_t functionType);

inline constexpr uint32_t kMacroButtonKind = 0x09;

// Macro kind, slot and the image's padded length + 1, lowest byte first.
constexpr uint32_t MacroButtonCode(uint32_t slot, uint32_t imageLengthCode) {
    return kMacroButtonKind | ((slot & 0xFF) << 16) | ((imageLengthCode & 0xFF) << 24);
}

}  // namespace oryn7px
