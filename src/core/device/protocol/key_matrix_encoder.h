#pragma once
// Key matrix encoding: the 32-bit button code of each of the mouse's sixteen device slots.
#include <array>
#include <cstdint>

#include "core/device/protocol/command_table.h"

namespace oryn7px {

inline constexpr int kKeyMatrixSlots = 16;
// No button of ours lives in this slot; the mouse always gets the same special code (kind
// 0x0A) there, whatever the caller put in it.
inline constexpr int kReservedSlot = 6;
inline constexpr uint32_t kReservedSlotCode = 0x0002000A;

using KeyMatrix = std::array<uint32_t, kKeyMatrixSlots>;

static_assert(kKeyMatrixSlots * sizeof(uint32_t) == kKeyMatrixLength, "one 32-bit code per slot");

// Slot order 0..15, each code lowest byte first.
DeviceCommand EncodeKeyMatrix(const KeyMatrix& slots);

}  // namespace oryn7px
