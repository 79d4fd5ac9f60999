#pragma once
// The vendor's update description (update.xml): where it comes from and what it offers.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/base/result.h"

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

// A version text as a number: decimal digits only, blanks around them allowed. Anything else
// (no digits, a sign, a letter, a point, more than 32 bits) is no version.
std::optional<uint32_t> VersionNumber(std::u16string_view text);

// Versions compare unsigned: an update is offered when the mouse's is lower.
constexpr bool IsNewerFirmware(uint32_t deviceVersion, uint32_t offeredVersion) {
    return deviceVersion < offeredVersion;
}

// What a description that cannot be read fails with (kInvalidData).
inline constexpr std::string_view kUnreadableDescription = "the update description cannot be read";

// Reads `file` into the XML document the language loader shares, under its lock. A missing,
// unreadable or not well-formed file, or one without a `firmware` section holding a version, is
// kInvalidData. A description without an image address is read (the download refuses it).
Result<UpdateDescription> ReadUpdateDescription(StringTable& strings, const std::filesystem::path& file);
// The same from the bytes of a description, before they are stored.
Result<UpdateDescription> ParseUpdateDescription(StringTable& strings, std::span<const uint8_t> bytes);

}  // namespace oryn7px
