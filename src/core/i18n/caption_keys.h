#pragma once
// The captions drawn on the pages, the frame and the boxes: their keys in a language file and the
// English text shown when a file lacks one. Kept apart from the 115 translated texts, whose
// table the files and hints are numbered by.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace oryn7px {

enum class CaptionId : std::uint8_t {
    TabMain,
    TabLighting,
    TabMacros,
    TabStatistics,
    TabSupport,
    Profile,
    Apply,
    Lang,
    DpiLevels,
    PointerSpeed,
    SensorHeight,
    ReportRate,
    WheelScrolling,
    Buttons,
    ButtonLeft,
    ButtonMiddle,
    ButtonRight,
    ButtonForward,
    ButtonBack,
    ButtonWheelUp,
    ButtonWheelDown,
    ButtonDpi,
    EnhancePrecision,
    ScrollLines,
    ScrollScreen,
    Lines,
    Slow,
    Fast,
    Low,
    High,
    EffectSteady,
    EffectBreathing,
    EffectApm,
    EffectSpecial,
    EffectCycle,
    EffectOff,
    TouchOff,
    TouchOn,
    TouchMode2,
    OwnColours,
    LightingEffect,
    TouchLighting,
    ColourSetting,
    CurrentColour,
    Presets,
    CustomColour,
    BreathingSpeed,
    Brightness,
    CycleSpeed,
    Games,
    Macros,
    KeyList,
    Recorder,
    New,
    Delete,
    Import,
    Export,
    SkipDelays,
    PlayCount,
    RepeatHeld,
    ToggleRepeat,
    MouseButtons,
    EditLine,
    Key,
    DelayMs,
    MouseMove,
    Ok,
    Statistics,
    CurrentTrophy,
    TrophyLevel,
    Reset,
    Level,
    CountLeft,
    CountMiddle,
    CountRight,
    CountClicks,
    CountWheelUp,
    CountWheelDown,
    CountWheel,
    CountDistance,
    Versions,
    Configuration,
    Update,
    Website,
    Defaults,
    DriverVersion,
    FirmwareVersion,
    BoxTips,
    BoxOk,
    BoxCancel,
    Updating,
    StartRecord,
    StopRecord,
    SelectLineHint,
    NotAppliedHere,
    KeyCaptureAll,
    KeyCaptureLeave,
    ProfileForProgram,
    ProgramsForProfile,
    ProgramsTick,
    ProgramName,
    AddProgram,
    DefaultForOthers,
    FollowPrograms,
};

inline constexpr std::size_t kCaptionCount = static_cast<std::size_t>(CaptionId::FollowPrograms) + 1;

struct CaptionKey {
    CaptionId id;
    std::string_view name;     // the element name in a language file
    std::u16string_view english;
};

// In CaptionId order.
const std::array<CaptionKey, kCaptionCount>& CaptionKeys();

inline const CaptionKey& CaptionKeyOf(CaptionId id) { return CaptionKeys()[static_cast<std::size_t>(id)]; }

}  // namespace oryn7px
