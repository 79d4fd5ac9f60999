#include "core/device/pass_content.h"

#include "core/device/button_codes.h"
#include "core/device/protocol/dpi_encoder.h"
#include "core/device/protocol/report_rate_encoder.h"
#include "core/settings/light_color.h"
#include "core/settings/macro_library.h"

namespace oryn7px {

namespace {

constexpr uint32_t kFirstMacroSlot = 1;
// Colours 0..3 of the profile are the colour cycle's, colour 4 the single colour.
constexpr int kSingleColorEntry = 4;

static_assert(kColorCycleColors + 1 == kLightColorCount);
static_assert(kDpiLevelPlaces == kDpiLevelCount, "one place in the DPI table per level");

std::vector<DeviceCommand> LightingCommands(const LightingSettings& lighting) {
    std::vector<DeviceCommand> commands;
    if (UsesSingleColor(lighting)) commands.push_back(EncodeSingleColor(lighting.singleColor));
    commands.push_back(EncodeEffect(EffectOf(lighting)));
    if (UsesColorTable(lighting)) commands.push_back(EncodeColorTable(lighting.cycleColors));
    return commands;
}

}  // namespace

LightingSettings LightingOf(const ProfileData& profile) {
    LightingSettings lighting;
    lighting.mode = profile.nLightMode;
    lighting.steadyBrightness = profile.nLightParam1;
    lighting.breathingSpeed = profile.nLightParam2;
    lighting.colorCycleSpeed = profile.nLightParam5;
    lighting.colorCycleOption = profile.nLightOption;
    lighting.singleColor = ToRgbColor(profile.LightColor[kSingleColorEntry]);
    for (int k = 0; k < kColorCycleColors; ++k) {
        lighting.cycleColors[static_cast<std::size_t>(k)] = ToRgbColor(profile.LightColor[k]);
    }
    return lighting;
}

PassContent PassContentOf(const ApplySnapshot& snapshot) {
    const ProfileData& profile = snapshot.profile;
    PassContent content;
    uint32_t macroSlot = kFirstMacroSlot;
    for (int i = 0; i < kButtonCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const ButtonSetting& button = profile.Buttons[i];
        std::optional<uint32_t>& code = content.codes[index];
        if (button.nFunction == kFunctionKey) {
            code = button.dwKeyValue;
        } else if (button.nFunction == kFunctionMacro) {
            // A macro that is missing, too long or beyond the mouse's slots leaves the button its job.
            code = kDefaultButtonCode[index];
            const std::optional<MacroEntry>& macro = snapshot.macros[index];
            if (macro && IsMacroEntryUsed(*macro) && macroSlot <= kMaxMacroSlot) {
                MacroSlotUse& use = content.macros[index].emplace();
                use.slot = macroSlot;
                if (Result<EncodedMacro> encoded = EncodeMacro(*macro)) {
                    code = MacroButtonCode(macroSlot, encoded->LengthCode());
                    use.encoded = std::move(*encoded);
                    ++macroSlot;
                }
            }
        } else if (button.nFunction == kFunctionHostAction) {
            // The mouse keeps the ordinary job; the host swallows the button and runs the action.
            code = kDefaultButtonCode[index];
        } else {
            code = FixedButtonCode(button.nFunction);
        }
        if (code) content.keyMatrix[static_cast<std::size_t>(kDeviceSlot[index])] = *code;
    }
    content.lighting = LightingCommands(LightingOf(profile));
    content.touch = EncodeTouch(profile.nTouchMode, profile.nLightMode);
    content.dpiTable = EncodeDpiTable(BuildDpiTable(DpiLevels(profile.nDpiValue), DpiLevels(profile.nDpiOrder)));
    content.reportRate = EncodeReportRate(profile.nReportRate);
    return content;
}

}  // namespace oryn7px
