#include "core/device/protocol/dpi_encoder.h"

#include <algorithm>

namespace oryn7px {

namespace {

constexpr uint8_t kEmptyPlace = 0xFF;
constexpr uint8_t kDpiTableTrailer = 0x02;
constexpr size_t kHalf = kDpiTableLength / 2;

static_assert(kDpiLevelPlaces + 1 == kHalf, "the places and the trailer fill each half of the table");

uint8_t DpiCode(int32_t value) {
    return static_cast<uint8_t>(value >= kMinDpiCode && value <= kMaxDpiCode ? value : kMinDpiCode);
}

}  // namespace

DpiTable BuildDpiTable(DpiLevels values, DpiLevels places) {
    DpiTable table{};
    table.fill(kEmptyPlace);
    for (size_t level = 0; level < kDpiLevelPlaces; ++level) {
        const int32_t place = places[level];
        if (place >= 0 && place < static_cast<int32_t>(kDpiLevelPlaces)) {
            table[static_cast<size_t>(place)] = DpiCode(values[level]);
        }
    }
    table[kDpiLevelPlaces] = kDpiTableTrailer;
    std::copy_n(table.begin(), kHalf, table.begin() + kHalf);
    return table;
}

DeviceCommand EncodeDpiTable(const DpiTable& table) {
    return CommandWith(CommandId::kDpiTable, {table.begin(), table.end()});
}

DeviceCommand EncodeDpiFollowUp(uint32_t value) {
    DeviceCommand command = CommandWith(CommandId::kDpiFollowUp);
    command.feature[2] = static_cast<uint8_t>(value);
    return command;
}

}  // namespace oryn7px
