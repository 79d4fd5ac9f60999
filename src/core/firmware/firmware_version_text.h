#pragma once
// The firmware version as the support page shows it.
#include <cstdint>
#include <string>

namespace oryn7px {

// "V x.y.z" from the decimal digits of the version: 103 gives "V 1.0.3", 7 gives "V 0.0.7".
// Digits beyond three stay in front ("V 12.3.4"); 0 means no answer and gives "Unknown".
std::string FirmwareVersionText(uint32_t version);

}  // namespace oryn7px
