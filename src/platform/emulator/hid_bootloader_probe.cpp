#include "platform/emulator/hid_bootloader_probe.h"

namespace oryn7px {

bool HidBootloaderProbe::IsBootloaderPresent() {
    for (const HidInterfaceInfo& info : backend_.Enumerate()) {
        if (info.vendorId == kBootloaderVendorId && info.productId == kBootloaderProductId) return true;
    }
    return false;
}

}  // namespace oryn7px
