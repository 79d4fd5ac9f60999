#pragma once
// What the mouse stores per device slot for each button, and where each button lives.
#include <array>
#include <cstdint>
#include <optional>

#include "core/settings/records.h"

namespace oryn7px {

inline constexpr int kKeyMatrixSlots = 16;
inline constexpr uint32_t kSlot6Code = 0x0002000A;
inline constexpr int kFixedSlot = 6;

// Per button index: its slot in the key matrix and the code of its ordinary job.
inline constexpr std::array<int, kButtonCount> kDeviceSlot = {0, 2, 1, 5, 4, 14, 15, 3};
inline constexpr std::array<uint32_t, kButtonCount> kDefaultButtonCode = {
    0x00F00001, 0x00F20001, 0x00F10001, 0x00F40001, 0x00F30001, 0x00010004, 0x00020004, 0x00030007};

// The fixed code of a function type; none for key (5), macro (6), host action (19) and
// types without a code, which the caller resolves.
std::optional<uint32_t> FixedButtonCode(int32_t functionType);

// Macro kind, slot and image length, lowest byte first.
constexpr uint32_t MacroButtonCode(uint32_t slot, uint32_t uploadResult) {
    return 0x09u | ((slot & 0xFF) << 16) | ((uploadResult & 0xFF) << 24);
}

}  // namespace oryn7px
