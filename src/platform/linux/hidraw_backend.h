#pragma once
// HID on Linux: interfaces from sysfs, reports through /dev/hidraw*.
#include <filesystem>

#include "core/interfaces/hid_backend.h"

namespace oryn7px {

class HidrawBackend final : public HidBackend {
public:
    // Tests point both roots at a fake tree.
    explicit HidrawBackend(std::filesystem::path sysfsRoot = "/sys", std::filesystem::path devRoot = "/dev");

    // Every hidraw node in name order (hidraw2 before hidraw10), with the feature values of
    // its report descriptor; a node whose descriptor cannot be read or parsed offers none.
    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path, HidAccess access) override;

private:
    std::filesystem::path sysfsRoot_;
    std::filesystem::path devRoot_;
};

// "HID_ID=0003:00007F1D:00002C05" in a uevent file gives vendor 0x7F1D, product 0x2C05.
bool ParseHidId(const std::string& uevent, uint16_t* vendorId, uint16_t* productId);

}  // namespace oryn7px
