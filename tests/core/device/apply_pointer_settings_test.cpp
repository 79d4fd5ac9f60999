#include "core/device/apply_pointer_settings.h"

#include <gtest/gtest.h>

#include "core/settings/settings_state.h"
#include "fakes/recording_pointer_settings.h"

namespace oryn7px {
namespace {

TEST(ApplyPointerSettings, SendsPrecisionSpeedAndWheelLinesInOrderEvenWhenRefused) {
    ProfileData profile{};
    BuildDefaultProfile(profile, false);
    profile.bEnhancePrecision = 1;
    profile.nPointerSpeed = 17;
    profile.nWheelLines = -1;
    testing::RecordingPointerSettings settings;
    settings.refuse = true;
    ApplyPointerSettings(settings, profile);
    EXPECT_EQ(settings.calls, (std::vector<std::string>{"precision=1", "speed=17", "wheel=-1"}));
}

}  // namespace
}  // namespace oryn7px
