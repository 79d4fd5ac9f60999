#pragma once
// The profile's pointer settings handed to the system, as the apply worker does after a write.
#include "core/interfaces/pointer_settings.h"
#include "core/settings/file_records.h"

namespace oryn7px {

// Precision, speed, wheel lines, in this order; a refused setting does not stop the others.
void ApplyPointerSettings(PointerSettings& settings, const ProfileData& profile);

}  // namespace oryn7px
