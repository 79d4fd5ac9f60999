#include "core/firmware/firmware_version_text.h"

namespace oryn7px {

std::string FirmwareVersionText(uint32_t version) {
    if (version == 0) return "Unknown";
    const std::string digits = std::to_string(version);
    const std::string padded = digits.size() < 3 ? std::string(3 - digits.size(), '0') + digits : digits;
    const size_t head = padded.size() - 2;
    return "V " + padded.substr(0, head) + "." + padded.substr(head, 1) + "." + padded.substr(head + 1, 1);
}

}  // namespace oryn7px
