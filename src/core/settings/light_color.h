#pragma once
// The one conversion from a stored colour of the profile to the colour type the rest of the
// program uses.
#include "core/base/rgb_color.h"
#include "core/settings/records.h"

namespace oryn7px {

constexpr RgbColor ToRgbColor(const LightColorBytes& stored) { return {stored.red, stored.green, stored.blue}; }

}  // namespace oryn7px
