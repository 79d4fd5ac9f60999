#pragma once
// The fixed-size records that are byte for byte the content of the data files.
#include <array>
#include <cstddef>
#include <cstdint>

namespace oryn7px {

inline constexpr uint32_t kProfileMagic = 0x8080025A;
inline constexpr uint32_t kConfigEntryMagic = 0xBEBE;
inline constexpr uint32_t kMacroMagic = 0xE8E80010;
inline constexpr uint32_t kMacroMagicHigh = 0xE8E8;

inline constexpr int kButtonCount = 8;
inline constexpr int kDpiLevelCount = 7;
inline constexpr int kLightColorCount = 5;
inline constexpr int kProfileCount = 5;
inline constexpr int kMacroCount = 500;
inline constexpr int kMaxMacroEvents = 1000;
inline constexpr int kPathChars = 260;
inline constexpr int kMacroNameChars = 40;

// Host-action kinds held in dwKeyFunction when nFunction is 19.
inline constexpr uint32_t kHostPlaySound = 0xC0;
inline constexpr uint32_t kHostRunProgram = 0xD0;
inline constexpr uint32_t kHostOpenFile = 0xE0;
inline constexpr uint32_t kHostOpenFolder = 0xF0;

// Function codes with a meaning of their own elsewhere in the program.
inline constexpr int32_t kFunctionKey = 5;
inline constexpr int32_t kFunctionMacro = 6;
inline constexpr int32_t kFunctionHostAction = 19;

// Default function per button: left, middle, right, forward, back, wheel up, wheel down, DPI.
inline constexpr std::array<int32_t, kButtonCount> nDefaultFunction = {1, 4, 2, 8, 16, 11, 22, 146};

struct ButtonSetting {
    int32_t nFunction;
    uint32_t nMacroId;
    uint32_t dwKeyFunction;
    uint32_t reserved1;
    uint32_t dwKeyValue;
    uint32_t dwHostValue;
    char16_t PathName[kPathChars];
    uint32_t reserved2;
    char16_t szName[kPathChars];
    uint8_t reserved3[2080];
};

struct LightColorBytes {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t zero;
};

struct ProfileData {
    uint32_t dwMagic;
    ButtonSetting Buttons[kButtonCount];
    int32_t nDpiValue[kDpiLevelCount];
    uint8_t reserved[36];
    int32_t nSensorHeight;
    int32_t nReportRate;
    int32_t nLightMode;
    int32_t nLightOption;
    LightColorBytes LightColor[kLightColorCount];
    int32_t nLightColorSource[kLightColorCount];
    int32_t nLightPresetIndex[kLightColorCount];
    int32_t nTouchMode;
    int32_t bEnhancePrecision;
    int32_t nPointerSpeed;
    int32_t nLightParam1;
    int32_t nLightParam2;
    int32_t nLightParam5;
    int32_t nWheelLines;
    int32_t bDpiEnabled[kDpiLevelCount];
    int32_t nDpiOrder[kDpiLevelCount];
};

struct ConfigInfoEntry {
    uint32_t dwMagic;
    int32_t bActive;
    uint32_t reserved1;
    char16_t szProfileName[kPathChars];
    char16_t szProfilePath[kPathChars];
    char16_t reserved2[kPathChars];
    uint32_t nButtonMacroId[kButtonCount];
};

struct MacroEntry {
    uint32_t dwSize;
    uint32_t dwMagic;
    uint32_t dwMacroId;
    uint32_t reserved;
    uint32_t dwRepeat;
    uint32_t dwEventCount;
    uint32_t dwEvents[kMaxMacroEvents];
    char16_t szName[kMacroNameChars];
};

struct StsData {
    uint32_t nLeftClicks;
    uint32_t nMiddleClicks;
    uint32_t nRightClicks;
    uint32_t nWheelUp;
    uint32_t nWheelDown;
    uint32_t nMoveDistance;
};

using ProfileIndex = std::array<ConfigInfoEntry, kProfileCount>;
using MacroTableData = std::array<MacroEntry, kMacroCount>;

// Macro event words: kind in bits 24..31, value in bits 0..23.
inline constexpr uint32_t kEventKeyDown = 0xC0;
inline constexpr uint32_t kEventKeyUp = 0xE0;
inline constexpr uint32_t kEventDelay = 0xA0;
inline constexpr uint32_t kEventMove = 0x40;
inline constexpr uint32_t EventKind(uint32_t word) { return word >> 24; }
inline constexpr uint32_t EventValue(uint32_t word) { return word & 0xFFFFFF; }
inline constexpr uint32_t MakeEvent(uint32_t kind, uint32_t value) { return (kind << 24) | (value & 0xFFFFFF); }
inline constexpr uint32_t MacroCategory(uint32_t macroId) { return macroId >> 24; }
// A macro id names its game category (1..22) in its high byte.
inline constexpr uint32_t kMacroCategoryCount = 22;
inline constexpr bool IsValidMacroId(uint32_t macroId) {
    return MacroCategory(macroId) >= 1 && MacroCategory(macroId) <= kMacroCategoryCount;
}

static_assert(sizeof(ButtonSetting) == 3148);
static_assert(offsetof(ButtonSetting, nFunction) == 0);
static_assert(offsetof(ButtonSetting, nMacroId) == 4);
static_assert(offsetof(ButtonSetting, dwKeyFunction) == 8);
static_assert(offsetof(ButtonSetting, reserved1) == 12);
static_assert(offsetof(ButtonSetting, dwKeyValue) == 16);
static_assert(offsetof(ButtonSetting, dwHostValue) == 20);
static_assert(offsetof(ButtonSetting, PathName) == 24);
static_assert(offsetof(ButtonSetting, reserved2) == 544);
static_assert(offsetof(ButtonSetting, szName) == 548);
static_assert(offsetof(ButtonSetting, reserved3) == 1068);

static_assert(sizeof(ProfileData) == 25412);
static_assert(offsetof(ProfileData, dwMagic) == 0);
static_assert(offsetof(ProfileData, Buttons) == 4);
static_assert(offsetof(ProfileData, nDpiValue) == 25188);
static_assert(offsetof(ProfileData, reserved) == 25216);
static_assert(offsetof(ProfileData, nSensorHeight) == 25252);
static_assert(offsetof(ProfileData, nReportRate) == 25256);
static_assert(offsetof(ProfileData, nLightMode) == 25260);
static_assert(offsetof(ProfileData, nLightOption) == 25264);
static_assert(offsetof(ProfileData, LightColor) == 25268);
static_assert(offsetof(ProfileData, nLightColorSource) == 25288);
static_assert(offsetof(ProfileData, nLightPresetIndex) == 25308);
static_assert(offsetof(ProfileData, nTouchMode) == 25328);
static_assert(offsetof(ProfileData, bEnhancePrecision) == 25332);
static_assert(offsetof(ProfileData, nPointerSpeed) == 25336);
static_assert(offsetof(ProfileData, nLightParam1) == 25340);
static_assert(offsetof(ProfileData, nLightParam2) == 25344);
static_assert(offsetof(ProfileData, nLightParam5) == 25348);
static_assert(offsetof(ProfileData, nWheelLines) == 25352);
static_assert(offsetof(ProfileData, bDpiEnabled) == 25356);
static_assert(offsetof(ProfileData, nDpiOrder) == 25384);

static_assert(sizeof(ConfigInfoEntry) == 1604);
static_assert(offsetof(ConfigInfoEntry, dwMagic) == 0);
static_assert(offsetof(ConfigInfoEntry, bActive) == 4);
static_assert(offsetof(ConfigInfoEntry, reserved1) == 8);
static_assert(offsetof(ConfigInfoEntry, szProfileName) == 12);
static_assert(offsetof(ConfigInfoEntry, szProfilePath) == 532);
static_assert(offsetof(ConfigInfoEntry, reserved2) == 1052);
static_assert(offsetof(ConfigInfoEntry, nButtonMacroId) == 1572);
static_assert(sizeof(ProfileIndex) == 8020);

static_assert(sizeof(MacroEntry) == 4104);
static_assert(offsetof(MacroEntry, dwSize) == 0);
static_assert(offsetof(MacroEntry, dwMagic) == 4);
static_assert(offsetof(MacroEntry, dwMacroId) == 8);
static_assert(offsetof(MacroEntry, reserved) == 12);
static_assert(offsetof(MacroEntry, dwRepeat) == 16);
static_assert(offsetof(MacroEntry, dwEventCount) == 20);
static_assert(offsetof(MacroEntry, dwEvents) == 24);
static_assert(offsetof(MacroEntry, szName) == 4024);
static_assert(sizeof(MacroTableData) == 2052000);

static_assert(sizeof(StsData) == 24);
static_assert(offsetof(StsData, nLeftClicks) == 0);
static_assert(offsetof(StsData, nMiddleClicks) == 4);
static_assert(offsetof(StsData, nRightClicks) == 8);
static_assert(offsetof(StsData, nWheelUp) == 12);
static_assert(offsetof(StsData, nWheelDown) == 16);
static_assert(offsetof(StsData, nMoveDistance) == 20);

}  // namespace oryn7px
