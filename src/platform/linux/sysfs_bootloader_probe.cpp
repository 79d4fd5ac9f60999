#include "platform/linux/sysfs_bootloader_probe.h"

#include <fstream>
#include <string>

#include "core/device/protocol/device_identity.h"

namespace oryn7px {

namespace {

std::string ReadWord(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string word;
    in >> word;
    return word;
}

bool SameHexId(const std::string& text, unsigned expected) {
    try {
        std::size_t used = 0;
        const unsigned long value = std::stoul(text, &used, 16);
        return used == text.size() && value == expected;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

bool SysfsBootloaderProbe::IsBootloaderPresent() {
    std::error_code error;
    // Stepping with an error code: devices come and go while we look.
    for (std::filesystem::directory_iterator it(sysRoot_ / "bus/usb/devices", error), end; !error && it != end;
         it.increment(error)) {
        if (SameHexId(ReadWord(it->path() / "idVendor"), kBootloaderVendorId) &&
            SameHexId(ReadWord(it->path() / "idProduct"), kBootloaderProductId)) {
            return true;
        }
    }
    return false;
}

}  // namespace oryn7px
