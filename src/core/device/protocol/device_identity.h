#pragma once
// Who the mouse is on the USB bus and how long its reports are: the one place these facts live.
#include <cstddef>
#include <cstdint>

namespace oryn7px {

// The mouse in normal operation: numbers for HID, text for sysfs attributes and device notices.
inline constexpr uint16_t kMouseVendorId = 0x7F1D;
inline constexpr uint16_t kMouseProductId = 0x2C05;
inline constexpr const char* kMouseVendorIdText = "7F1D";
inline constexpr const char* kMouseProductIdText = "2C05";
inline constexpr const char* kMouseInterfaceName = "VID_7F1D&PID_2C05";

// The mouse in firmware-update mode.
inline constexpr uint16_t kBootloaderVendorId = 0x04D9;
inline constexpr uint16_t kBootloaderProductId = 0x8022;

// The feature value of the vendor collection that carries every command.
inline constexpr uint16_t kVendorUsagePage = 0xFF01;
inline constexpr uint16_t kVendorUsage = 0x22;
// The output value of the same collection that carries the data blocks.
inline constexpr uint16_t kVendorDataUsage = 0x23;

// A feature report is the report ID and the value's report count of bytes.
inline constexpr size_t kMaxFeatureReportLength = 255;
// The longest command carries five bytes after the report ID.
inline constexpr size_t kFeatureCommandBytes = 5;
inline constexpr size_t kMinFeatureReportCount = kFeatureCommandBytes;
// An output report is the report ID and 32 data bytes.
inline constexpr size_t kOutputReportData = 32;
inline constexpr size_t kOutputReportLength = 1 + kOutputReportData;

namespace identity_check {
constexpr uint32_t HexValue(const char* text) {
    uint32_t value = 0;
    for (; *text != '\0'; ++text) {
        const char c = *text;
        value = value * 16 + static_cast<uint32_t>(c <= '9' ? c - '0' : c - 'A' + 10);
    }
    return value;
}
// True when `text` starts with `prefix`.
constexpr bool StartsWith(const char* text, const char* prefix) {
    for (; *prefix != '\0'; ++text, ++prefix) {
        if (*text != *prefix) return false;
    }
    return true;
}
}  // namespace identity_check

static_assert(identity_check::HexValue(kMouseVendorIdText) == kMouseVendorId);
static_assert(identity_check::HexValue(kMouseProductIdText) == kMouseProductId);
// "VID_" vendor "&PID_" product
static_assert(identity_check::StartsWith(kMouseInterfaceName + 4, kMouseVendorIdText) &&
              identity_check::StartsWith(kMouseInterfaceName + 13, kMouseProductIdText));
static_assert(kMinFeatureReportCount + 1 <= kMaxFeatureReportLength);
static_assert(kOutputReportLength == 33, "the mouse takes 33-byte output reports");

}  // namespace oryn7px
