// HID report descriptors come from whatever device is plugged in.
#include <cstdlib>

#include "core/device/hid_descriptor_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto result = oryn7px::ParseHidReportDescriptor(data, size);
    if (!result.Ok() && !result.featureValueCaps.empty()) std::abort();
    for (const oryn7px::HidValueCaps& caps : result.featureValueCaps) {
        if (caps.usageMin > caps.usageMax || caps.reportCount == 0 || caps.reportSize < 2) std::abort();
    }
    return 0;
}
