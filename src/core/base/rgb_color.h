#pragma once
// A colour as the lighting page shows it and the mouse takes it: one byte per channel.
#include <cstdint>

namespace oryn7px {

enum class ColorChannel { kRed = 0, kGreen = 1, kBlue = 2 };
inline constexpr int kColorChannelCount = 3;

struct RgbColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    constexpr uint8_t Channel(ColorChannel channel) const {
        return channel == ColorChannel::kRed ? red : channel == ColorChannel::kGreen ? green : blue;
    }
    constexpr RgbColor WithChannel(ColorChannel channel, uint8_t value) const {
        RgbColor color = *this;
        (channel == ColorChannel::kRed ? color.red : channel == ColorChannel::kGreen ? color.green : color.blue) = value;
        return color;
    }
    friend constexpr bool operator==(const RgbColor&, const RgbColor&) = default;
};

}  // namespace oryn7px
