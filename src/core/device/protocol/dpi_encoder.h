#pragma once
// DPI encoding: the seven levels placed in the mouse's DPI cycle, and the command that follows.
#include <array>
#include <cstdint>
#include <span>

#include "core/device/protocol/command_table.h"

namespace oryn7px {

// A level's value in units of 50 DPI (50..7200 DPI).
inline constexpr int32_t kMinDpiCode = 1;
inline constexpr int32_t kMaxDpiCode = 144;

using DpiTable = std::array<uint8_t, kDpiTableLength>;
using DpiLevels = std::span<const int32_t, kDpiLevelPlaces>;

// Bytes 0..6: the value of the level at each place of the cycle, 0xFF where no level is;
// byte 7: 0x02, which the mouse expects after the places; bytes 8..15 repeat bytes 0..7.
// `places` gives each level's place; a place outside 0..6 leaves the level out, and a value
// outside 1..144 is sent as 1, as the main page shows it.
DpiTable BuildDpiTable(DpiLevels values, DpiLevels places);
DeviceCommand EncodeDpiTable(const DpiTable& table);
// Command 0x0B with one value byte; an apply sends it with 0 right after the DPI table.
DeviceCommand EncodeDpiFollowUp(uint32_t value);

}  // namespace oryn7px
