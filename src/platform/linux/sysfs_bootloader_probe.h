#pragma once
#include <filesystem>

#include "core/interfaces/bootloader_probe.h"

namespace oryn7px {

// Looks through /sys/bus/usb/devices for the bootloader's vendor and product IDs.
class SysfsBootloaderProbe final : public BootloaderProbe {
public:
    explicit SysfsBootloaderProbe(std::filesystem::path sysRoot = "/sys") : sysRoot_(std::move(sysRoot)) {}
    bool IsBootloaderPresent() override;

private:
    std::filesystem::path sysRoot_;
};

}  // namespace oryn7px
