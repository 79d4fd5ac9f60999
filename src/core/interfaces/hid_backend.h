#pragma once
// What the device link needs from the system's HID layer: the interfaces present and their
// feature values, and a handle that sends and reads reports.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace oryn7px {

// One feature value of a HID collection, as the discovery searches them.
struct HidValueCaps {
    uint16_t usagePage = 0;
    uint16_t usageMin = 0;  // equals usageMax unless the value was declared with a usage range
    uint16_t usageMax = 0;
    uint8_t reportId = 0;
    uint16_t reportSize = 0;  // bits per value
    uint16_t reportCount = 0;

    bool HasUsage(uint16_t page, uint16_t usage) const {
        return usagePage == page && usageMin <= usage && usage <= usageMax;
    }
};

struct HidInterfaceInfo {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::vector<HidValueCaps> featureValueCaps;
};

enum class HidAccess { Read, Write };

// How long an output report may stay pending before it counts as done.
inline constexpr uint32_t kOutputWriteTimeoutMs = 1500;

// Outcome of an output report. A write that does not complete within the bound is TimedOut,
// which the protocol counts as done.
enum class HidWriteResult { Ok, TimedOut, Error };

class HidDevice {
public:
    virtual ~HidDevice() = default;
    // data[0] is the report ID.
    virtual bool SetFeature(const uint8_t* data, size_t length) = 0;
    // data[0] holds the report ID on entry and the answer on return.
    virtual bool GetFeature(uint8_t* data, size_t length) = 0;
    virtual HidWriteResult WriteOutput(const uint8_t* data, size_t length) = 0;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;
    // Interfaces present now, in the system's enumeration order.
    virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
    // Null when the path cannot be opened with that access.
    virtual std::unique_ptr<HidDevice> Open(const std::string& path, HidAccess access) = 0;
};

}  // namespace oryn7px
