#pragma once
// A bootloader probe over a HID backend: the virtual mouse presents the bootloader's IDs when
// it is started in firmware-update mode.
#include "core/device/protocol/device_identity.h"
#include "core/interfaces/bootloader_probe.h"
#include "core/interfaces/hid_backend.h"

namespace oryn7px {

class HidBootloaderProbe final : public BootloaderProbe {
public:
    explicit HidBootloaderProbe(HidBackend& backend) : backend_(backend) {}
    bool IsBootloaderPresent() override;

private:
    HidBackend& backend_;
};

}  // namespace oryn7px
