#pragma once
// Turns a HID report descriptor into the feature values a collection offers.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/interfaces/hid_backend.h"

namespace oryn7px {

struct HidDescriptorParseResult {
    std::vector<HidValueCaps> featureValueCaps;  // in descriptor order
    std::string error;                           // empty when the descriptor is well formed

    bool Ok() const { return error.empty(); }
};

// Value capabilities are the data fields declared Variable with more than one bit per value;
// one-bit and array fields are buttons and constant fields are padding, none of which is listed.
HidDescriptorParseResult ParseHidReportDescriptor(const uint8_t* data, size_t length);

}  // namespace oryn7px
