#include "core/device/apply_pointer_settings.h"

namespace oryn7px {

void ApplyPointerSettings(PointerSettings& settings, const ProfileData& profile) {
    settings.SetEnhancePrecision(profile.bEnhancePrecision != 0);
    settings.SetPointerSpeed(profile.nPointerSpeed);
    settings.SetWheelLines(profile.nWheelLines);
}

}  // namespace oryn7px
