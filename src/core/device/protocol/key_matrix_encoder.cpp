#include "core/device/protocol/key_matrix_encoder.h"

#include "core/base/bytes.h"

namespace oryn7px {

DeviceCommand EncodeKeyMatrix(const KeyMatrix& slots) {
    std::vector<uint8_t> bytes(kKeyMatrixLength, 0);
    for (size_t slot = 0; slot < slots.size(); ++slot) {
        const uint32_t code = slot == kReservedSlot ? kReservedSlotCode : slots[slot];
        WriteLe32(bytes.data() + slot * sizeof(uint32_t), code);
    }
    return CommandWith(CommandId::kKeyMatrix, std::move(bytes));
}

}  // namespace oryn7px
