#pragma once
// The 26 preset colours of the lighting page's palette and the packing of a colour value.
#include <array>
#include <cstdint>

#include "core/settings/records.h"

namespace oryn7px {

inline constexpr int kLightPresetCount = 26;

// The value a swatch click stores: red in bits 0..7, green 8..15, blue 16..23.
inline constexpr std::array<uint32_t, kLightPresetCount> kLightPresets{
    0x7E05FA, 0x0012FA, 0x0179F8, 0x00EDF9, 0x09F0C1, 0x00F927, 0x2AA418, 0x93E713, 0xDFE90D,
    0xFAC101, 0xFA8E05, 0xF96F00, 0xF80024, 0xE3185A, 0xE21B7F, 0xE218C1, 0x54FAE6, 0x30B900,
    0x7D63FA, 0x233BC4, 0x1603DE, 0xAD7A17, 0x12B900, 0xC05A4A, 0xEE4E6F, 0xB95401};

constexpr uint32_t ColourValue(const LightColorBytes& c) {
    return static_cast<uint32_t>(c.red) | static_cast<uint32_t>(c.green) << 8 | static_cast<uint32_t>(c.blue) << 16;
}

constexpr LightColorBytes ColourBytes(uint32_t value) {
    return {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>(value >> 8 & 0xFF),
            static_cast<uint8_t>(value >> 16 & 0xFF), 0};
}

// Channel 0 red, 1 green, 2 blue.
constexpr int Channel(uint32_t value, int channel) { return static_cast<int>(value >> (8 * channel) & 0xFF); }

}  // namespace oryn7px
