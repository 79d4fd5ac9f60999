#include "profile_view.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "core/base/utf16.h"

namespace oryn7px::cli {

namespace {

template <typename T, std::size_t N>
std::vector<T> List(const T (&values)[N]) {
    return std::vector<T>(values, values + N);
}

std::string Text(std::u16string_view text) { return Utf16ToUtf8(text); }

std::string Hex(uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", value);
    return buffer;
}

int ReportRateHz(int32_t code) {
    switch (code) {
        case 1: return 1000;
        case 2: return 500;
        case 4: return 250;
        case 8: return 125;
        default: return 0;
    }
}

// The effects as the page's radios name them.
const char* EffectName(int32_t effect) {
    static const char* const kNames[] = {"steady light", "breathing", "APM breathing", "special effect",
                                         "colour cycle", "lighting off"};
    return effect >= 1 && effect <= 6 ? kNames[effect - 1] : "unknown";
}

const char* TouchName(int32_t touch) {
    switch (touch) {
        case 0: return "touch lighting off";
        case 1: return "touch lighting on";
        case 2: return "touch lighting on, second setting";
        default: return "unknown";
    }
}

std::string ColourText(const ProfileData& p, int i) {
    char text[48];
    const LightColorBytes& c = p.LightColor[i];
    if (p.nLightColorSource[i] == 0) {
        std::snprintf(text, sizeof text, "#%02X%02X%02X (swatch %d)", c.red, c.green, c.blue, p.nLightPresetIndex[i]);
    } else {
        std::snprintf(text, sizeof text, "#%02X%02X%02X", c.red, c.green, c.blue);
    }
    return text;
}

const char* const kButtonNames[kButtonCount] = {"left", "middle", "right", "forward",
                                                "back", "wheel up", "wheel down", "DPI"};

}  // namespace

nlohmann::ordered_json ProfileJson(const SettingsState& state, int profileNumber) {
    const ProfileData& p = state.profile;
    nlohmann::ordered_json json;
    json["profile"] = profileNumber;
    json["dwMagic"] = p.dwMagic;
    json["Buttons"] = nlohmann::ordered_json::array();
    for (const ButtonSetting& b : p.Buttons) {
        json["Buttons"].push_back({{"nFunction", b.nFunction},
                                   {"nMacroId", b.nMacroId},
                                   {"dwKeyFunction", b.dwKeyFunction},
                                   {"dwKeyValue", b.dwKeyValue},
                                   {"dwHostValue", b.dwHostValue},
                                   {"PathName", Text(FixedText(b.PathName))},
                                   {"szName", Text(FixedText(b.szName))}});
    }
    json["nDpiValue"] = List(p.nDpiValue);
    json["nSensorHeight"] = p.nSensorHeight;
    json["nReportRate"] = p.nReportRate;
    json["nLightMode"] = p.nLightMode;
    json["nLightOption"] = p.nLightOption;
    json["LightColor"] = nlohmann::ordered_json::array();
    for (const LightColorBytes& c : p.LightColor) {
        json["LightColor"].push_back({{"red", c.red}, {"green", c.green}, {"blue", c.blue}});
    }
    json["nLightColorSource"] = List(p.nLightColorSource);
    json["nLightPresetIndex"] = List(p.nLightPresetIndex);
    json["nTouchMode"] = p.nTouchMode;
    json["bEnhancePrecision"] = p.bEnhancePrecision;
    json["nPointerSpeed"] = p.nPointerSpeed;
    json["nLightParam1"] = p.nLightParam1;
    json["nLightParam2"] = p.nLightParam2;
    json["nLightParam5"] = p.nLightParam5;
    json["nWheelLines"] = p.nWheelLines;
    json["bDpiEnabled"] = List(p.bDpiEnabled);
    json["nDpiOrder"] = List(p.nDpiOrder);
    json["ButtonMacroId"] = List(state.ButtonMacroId);
    return json;
}

void PrintProfile(std::ostream& out, const SettingsState& state, int profileNumber) {
    const ProfileData& p = state.profile;
    out << "Profile " << profileNumber << (p.dwMagic == kProfileMagic ? "" : " (invalid magic)") << "\n\nButtons\n";
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonSetting& b = p.Buttons[i];
        out << "  " << kButtonNames[i] << std::string(12 - std::string(kButtonNames[i]).size(), ' ')
            << Text(FixedText(b.szName)) << "  (function " << b.nFunction;
        if (b.nFunction == kFunctionMacro) out << ", macro " << Hex(b.nMacroId);
        if (b.nFunction == kFunctionKey) out << ", key " << Hex(b.dwKeyValue);
        if (b.nFunction == kFunctionHostAction) out << ", " << Hex(b.dwKeyFunction) << " " << Text(FixedText(b.PathName));
        out << ")\n";
    }
    out << "\nDPI levels (value, in cycle, position)\n";
    for (int k = 0; k < kDpiLevelCount; ++k) {
        out << "  " << k + 1 << "  " << p.nDpiValue[k] * 50 << " DPI  " << (p.bDpiEnabled[k] ? "on " : "off") << "  "
            << p.nDpiOrder[k] << "\n";
    }
    out << "\nReport rate     " << ReportRateHz(p.nReportRate) << " Hz (code " << p.nReportRate << ")\n"
        << "Sensor height   " << p.nSensorHeight << "\n";
    PrintLighting(out, p);
    out << "Pointer         speed " << p.nPointerSpeed << ", enhance precision "
        << (p.bEnhancePrecision ? "on" : "off") << ", wheel lines " << p.nWheelLines << "\n"
        << "Macro ids      ";
    for (uint32_t id : state.ButtonMacroId) out << " " << Hex(id);
    out << "\n";
}

void PrintLighting(std::ostream& out, const ProfileData& p) {
    out << "Lighting        effect " << p.nLightMode << " (" << EffectName(p.nLightMode) << "), own colours "
        << (p.nLightOption == 1 ? "on" : "off") << "\n"
        << "                brightness " << p.nLightParam1 << ", breathing speed " << p.nLightParam2
        << ", colour-cycle speed " << p.nLightParam5 << "\n"
        << "Colours         single " << ColourText(p, 4) << "\n";
    for (int i = 0; i < 4; ++i) out << "                own " << i + 1 << "  " << ColourText(p, i) << "\n";
    out << "Touch           " << p.nTouchMode << " (" << TouchName(p.nTouchMode) << ")\n";
}

}  // namespace oryn7px::cli
