#pragma once
// The report descriptor the virtual mouse presents: keyboard, consumer control, mouse and the
// vendor collection, in one descriptor like the real mouse's USB interface.
#include <cstdint>
#include <vector>

namespace oryn7px {

// vendorReportId 1..255, featureReportCount 1..65535.
std::vector<uint8_t> BuildVirtualMouseDescriptor(uint8_t vendorReportId, uint16_t featureReportCount);

}  // namespace oryn7px
