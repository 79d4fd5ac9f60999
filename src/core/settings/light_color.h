#pragma once
// A profile's lighting colour as the pages and the mouse read it: the record keeps the bytes
// red, green, blue and a zero.
#include "core/base/rgb_color.h"
#include "core/settings/file_records.h"

namespace oryn7px {

constexpr RgbColor ToRgbColor(const LightColorBytes& bytes) { return {bytes.red, bytes.green, bytes.blue}; }

constexpr LightColorBytes ToLightColorBytes(const RgbColor& color) { return {color.red, color.green, color.blue, 0}; }

}  // namespace oryn7px
