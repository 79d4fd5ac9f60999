#include "core/settings/settings_state.h"

#include <algorithm>
#include <cstring>

#include "core/base/utf16.h"
#include "core/i18n/function_names.h"

namespace oryn7px {

void BuildDefaultProfile(ProfileData& profile, bool chinese) {
    std::memset(&profile, 0, sizeof profile);
    profile.dwMagic = kProfileMagic;
    for (int i = 0; i < kButtonCount; ++i) {
        ButtonSetting& button = profile.Buttons[i];
        button.nFunction = nDefaultFunction[static_cast<std::size_t>(i)];
        SetFixedText(button.szName, GetFunctionName(button.nFunction, chinese));
    }
    constexpr int32_t dpiDefaults[kDpiLevelCount] = {10, 15, 20, 25, 30, 40, 50};
    for (int k = 0; k < kDpiLevelCount; ++k) {
        profile.nDpiValue[k] = dpiDefaults[k];
        profile.bDpiEnabled[k] = 1;
        profile.nDpiOrder[k] = k;
    }
    profile.nSensorHeight = 15;
    profile.nReportRate = 1;
    profile.nLightMode = 5;
    profile.nLightOption = 0;
    for (int k = 0; k < kLightColorCount; ++k) {
        profile.LightColor[k] = {0xFF, 0x00, 0x00, 0x00};
        profile.nLightColorSource[k] = 1;
        profile.nLightPresetIndex[k] = 0;
    }
    profile.nTouchMode = 1;
    profile.bEnhancePrecision = 0;
    profile.nPointerSpeed = 10;
    profile.nLightParam1 = 5;
    profile.nLightParam2 = 3;
    profile.nLightParam5 = 2;
    profile.nWheelLines = 3;
}

void RestoreDefaults(SettingsState& state) {
    BuildDefaultProfile(state.profile, state.bChinese == 1);
    std::fill(std::begin(state.ButtonMacroId), std::end(state.ButtonMacroId), 0u);
}

}  // namespace oryn7px
