#pragma once
// Lighting encoding: the effect triple of each light mode, the single colour, the colour table
// of the colour cycle and the touch lighting byte.
#include <array>
#include <cstdint>

#include "core/base/rgb_color.h"
#include "core/device/protocol/command_table.h"

namespace oryn7px {

// The light modes as the profile stores them; any other value is sent as lighting off.
enum class LightMode : int32_t {
    kSteady = 1,
    kBreathing = 2,
    kApmBreathing = 3,
    kSpectrum = 4,
    kColorCycle = 5,
    kOff = 6,
};

inline constexpr int kColorCycleColors = 4;
// nLightOption value that makes the colour cycle play the user's four colours.
inline constexpr int32_t kOwnColorsOption = 1;

struct LightingSettings {
    int32_t mode = 0;
    int32_t steadyBrightness = 0;  // nLightParam1
    int32_t breathingSpeed = 0;    // nLightParam2
    int32_t colorCycleSpeed = 0;   // nLightParam5
    int32_t colorCycleOption = 0;  // nLightOption
    RgbColor singleColor;
    std::array<RgbColor, kColorCycleColors> cycleColors{};
};

// The three effect bytes; each is sent as the low 8 bits of its value.
struct EffectTriple {
    uint32_t effect = 0;
    uint32_t parameter = 0;
    uint32_t option = 0;
    friend constexpr bool operator==(const EffectTriple&, const EffectTriple&) = default;
};

EffectTriple EffectOf(const LightingSettings& lighting);
// The steady and breathing effects take their colour from the single-colour command.
bool UsesSingleColor(const LightingSettings& lighting);
// The colour cycle with the user's own colours sends them as the colour table.
bool UsesColorTable(const LightingSettings& lighting);

DeviceCommand EncodeEffect(const EffectTriple& effect);
DeviceCommand EncodeSingleColor(RgbColor color);
DeviceCommand EncodeColorTable(const std::array<RgbColor, kColorCycleColors>& colors);
// Touch 1 and 2 light the mouse on touch; anything else, or lighting off, sends off.
DeviceCommand EncodeTouch(int32_t touch, int32_t lightMode);

}  // namespace oryn7px
