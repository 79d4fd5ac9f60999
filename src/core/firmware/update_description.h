#pragma once
// The vendor's update description (update.xml): where it comes from and what it offers.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace oryn7px {

class StringTable;

// A whole URL in this variable replaces the vendor's update address (tests, mirrors).
inline constexpr const char* kUpdateUrlVariable = "ORYN7PX_UPDATE_URL";
inline constexpr const char* kVendorWebSite = "https://www.tavikgaming.com/";

// The vendor's address of update.xml for this model, or `overrideUrl` when it is set and not empty.
std::string UpdateAddress(const char* overrideUrl);

struct UpdateDescription {
    uint32_t current = 0;  // the newest firmware, numbered as the mouse reports its version
    std::string newfile;   // address of the image
    std::string sha256;    // the image's digest when the description gives one, else empty
};

// A version text as a number: leading blanks, then decimal digits up to the first other
// character. No digits, a sign, or more than 32 bits read as 0, so such a text never offers an update.
uint32_t VersionNumber(std::u16string_view text);

// Versions compare unsigned: an update is offered when the mouse's is lower.
constexpr bool IsNewerFirmware(uint32_t deviceVersion, uint32_t offeredVersion) {
    return deviceVersion < offeredVersion;
}

// Reads `file` into the XML document the language loader shares, under its lock. A missing or
// unreadable file, or one without a `firmware` section, gives version 0 and no address.
UpdateDescription ReadUpdateDescription(StringTable& strings, const std::filesystem::path& file);

}  // namespace oryn7px
