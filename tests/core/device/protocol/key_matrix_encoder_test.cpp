#include "core/device/protocol/key_matrix_encoder.h"

#include <gtest/gtest.h>

#include "core/base/bytes.h"

namespace oryn7px {
namespace {

TEST(KeyMatrixEncoder, SixteenCodesLowestByteFirstWithTheReservedSlotFixed) {
    KeyMatrix slots{};
    for (size_t slot = 0; slot < slots.size(); ++slot) slots[slot] = 0x11223300u + static_cast<uint32_t>(slot);
    slots[0] = 0x00F00001;
    slots[kReservedSlot] = 0xDEADBEEF;  // whatever the caller put there
    const DeviceCommand command = EncodeKeyMatrix(slots);

    EXPECT_EQ(command.feature, (FeatureBytes{0x12, 0x01, 0x00, 0x40, 0x00}));
    ASSERT_EQ(command.data.size(), 64u);
    EXPECT_EQ((std::vector<uint8_t>(command.data.begin(), command.data.begin() + 4)),
              (std::vector<uint8_t>{0x01, 0x00, 0xF0, 0x00}));
    for (size_t slot = 1; slot < slots.size(); ++slot) {
        SCOPED_TRACE(slot);
        const uint32_t expected = slot == kReservedSlot ? 0x0002000Au : slots[slot];
        EXPECT_EQ(ReadLe32(command.data.data() + slot * 4), expected);
    }
}

TEST(KeyMatrixEncoder, EmptyMatrixHoldsOnlyTheReservedCode) {
    const DeviceCommand command = EncodeKeyMatrix(KeyMatrix{});
    std::vector<uint8_t> expected(64, 0);
    WriteLe32(expected.data() + kReservedSlot * 4, kReservedSlotCode);
    EXPECT_EQ(command.data, expected);
}

}  // namespace
}  // namespace oryn7px
