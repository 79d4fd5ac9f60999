#include "core/device/protocol/lighting_encoder.h"

namespace oryn7px {

namespace {

constexpr uint8_t kTouchOff = 0x00;
constexpr uint8_t kTouchMode1 = 0x80;
constexpr uint8_t kTouchMode2 = 0x90;
constexpr size_t kBytesPerColor = 3;

static_assert(kColorCycleColors * kBytesPerColor <= kColorTableLength);

uint8_t Low8(uint32_t value) { return static_cast<uint8_t>(value); }
uint32_t Unsigned(int32_t value) { return static_cast<uint32_t>(value); }

}  // namespace

EffectTriple EffectOf(const LightingSettings& lighting) {
    switch (static_cast<LightMode>(lighting.mode)) {
        case LightMode::kSteady: return {1, Unsigned(lighting.steadyBrightness), 1};
        case LightMode::kBreathing: return {2, Unsigned(lighting.breathingSpeed), 1};
        // The fixed arguments of these two effects are the mouse's own.
        case LightMode::kApmBreathing: return {3, 2, 3};
        case LightMode::kSpectrum: return {4, 10, 2};
        case LightMode::kColorCycle:
            return {5, Unsigned(lighting.colorCycleSpeed), Unsigned(lighting.colorCycleOption)};
        case LightMode::kOff: break;
    }
    return {0, 0, 0};
}

bool UsesSingleColor(const LightingSettings& lighting) {
    return lighting.mode == static_cast<int32_t>(LightMode::kSteady) ||
           lighting.mode == static_cast<int32_t>(LightMode::kBreathing);
}

bool UsesColorTable(const LightingSettings& lighting) {
    return lighting.mode == static_cast<int32_t>(LightMode::kColorCycle) &&
           lighting.colorCycleOption == kOwnColorsOption;
}

DeviceCommand EncodeEffect(const EffectTriple& effect) {
    DeviceCommand command = CommandWith(CommandId::kEffect);
    command.feature[2] = Low8(effect.effect);
    command.feature[3] = Low8(effect.parameter);
    command.feature[4] = Low8(effect.option);
    return command;
}

DeviceCommand EncodeSingleColor(RgbColor color) {
    // Green first, unlike the colour table.
    DeviceCommand command = CommandWith(CommandId::kSingleColor);
    command.feature[2] = color.green;
    command.feature[3] = color.red;
    command.feature[4] = color.blue;
    return command;
}

DeviceCommand EncodeColorTable(const std::array<RgbColor, kColorCycleColors>& colors) {
    std::vector<uint8_t> table(kColorTableLength, 0);
    for (size_t k = 0; k < colors.size(); ++k) {
        table[k * kBytesPerColor] = colors[k].red;
        table[k * kBytesPerColor + 1] = colors[k].green;
        table[k * kBytesPerColor + 2] = colors[k].blue;
    }
    return CommandWith(CommandId::kColorTable, std::move(table));
}

DeviceCommand EncodeTouch(int32_t touch, int32_t lightMode) {
    DeviceCommand command = CommandWith(CommandId::kTouch);
    uint8_t value = kTouchOff;
    if (lightMode != static_cast<int32_t>(LightMode::kOff)) {
        if (touch == 1) value = kTouchMode1;
        if (touch == 2) value = kTouchMode2;
    }
    command.feature[1] = value;
    return command;
}

}  // namespace oryn7px
