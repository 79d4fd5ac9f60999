#include "core/i18n/caption_keys.h"

namespace oryn7px {

namespace {

constexpr std::array<CaptionKey, kCaptionCount> kCaptionKeys = {{
    {CaptionId::TabMain, "cap_tab_main", u"MAIN"},
    {CaptionId::TabLighting, "cap_tab_lighting", u"LIGHTING"},
    {CaptionId::TabMacros, "cap_tab_macros", u"MACROS"},
    {CaptionId::TabStatistics, "cap_tab_statistics", u"STATISTICS"},
    {CaptionId::TabSupport, "cap_tab_support", u"SUPPORT"},
    {CaptionId::Profile, "cap_profile", u"PROFILE %1"},
    {CaptionId::Apply, "cap_apply", u"APPLY"},
    {CaptionId::Lang, "cap_lang", u"LANG"},
    {CaptionId::DpiLevels, "cap_dpi_levels", u"DPI LEVELS"},
    {CaptionId::PointerSpeed, "cap_pointer_speed", u"POINTER SPEED"},
    {CaptionId::SensorHeight, "cap_sensor_height", u"SENSOR HEIGHT"},
    {CaptionId::ReportRate, "cap_report_rate", u"REPORT RATE"},
    {CaptionId::WheelScrolling, "cap_wheel_scrolling", u"WHEEL SCROLLING"},
    {CaptionId::Buttons, "cap_buttons", u"BUTTONS"},
    {CaptionId::ButtonLeft, "cap_button_left", u"LEFT"},
    {CaptionId::ButtonMiddle, "cap_button_middle", u"MIDDLE"},
    {CaptionId::ButtonRight, "cap_button_right", u"RIGHT"},
    {CaptionId::ButtonForward, "cap_button_forward", u"FORWARD"},
    {CaptionId::ButtonBack, "cap_button_back", u"BACK"},
    {CaptionId::ButtonWheelUp, "cap_button_wheel_up", u"WHEEL UP"},
    {CaptionId::ButtonWheelDown, "cap_button_wheel_down", u"WHEEL DN"},
    {CaptionId::ButtonDpi, "cap_button_dpi", u"DPI"},
    {CaptionId::EnhancePrecision, "cap_enhance_precision", u"Enhance pointer precision"},
    {CaptionId::ScrollLines, "cap_scroll_lines", u"Scroll several lines per notch"},
    {CaptionId::ScrollScreen, "cap_scroll_screen", u"Scroll one screen per notch"},
    {CaptionId::Lines, "cap_lines", u"lines"},
    {CaptionId::Slow, "cap_slow", u"Slow"},
    {CaptionId::Fast, "cap_fast", u"Fast"},
    {CaptionId::Low, "cap_low", u"Low"},
    {CaptionId::High, "cap_high", u"High"},
    {CaptionId::EffectSteady, "cap_effect_steady", u"Steady light"},
    {CaptionId::EffectBreathing, "cap_effect_breathing", u"Breathing"},
    {CaptionId::EffectApm, "cap_effect_apm", u"APM breathing"},
    {CaptionId::EffectSpecial, "cap_effect_special", u"Special effect"},
    {CaptionId::EffectCycle, "cap_effect_cycle", u"Colour cycle"},
    {CaptionId::EffectOff, "cap_effect_off", u"Lighting off"},
    {CaptionId::TouchOff, "cap_touch_off", u"Off"},
    {CaptionId::TouchOn, "cap_touch_on", u"Touch lighting on"},
    {CaptionId::TouchMode2, "cap_touch_mode2", u"Touch lighting on, mode 2"},
    {CaptionId::OwnColours, "cap_own_colours", u"Own colours"},
    {CaptionId::LightingEffect, "cap_lighting_effect", u"LIGHTING EFFECT"},
    {CaptionId::TouchLighting, "cap_touch_lighting", u"TOUCH LIGHTING"},
    {CaptionId::ColourSetting, "cap_colour_setting", u"COLOUR SETTING"},
    {CaptionId::CurrentColour, "cap_current_colour", u"Current colour"},
    {CaptionId::Presets, "cap_presets", u"Presets"},
    {CaptionId::CustomColour, "cap_custom_colour", u"Custom colour"},
    {CaptionId::BreathingSpeed, "cap_breathing_speed", u"Breathing speed"},
    {CaptionId::Brightness, "cap_brightness", u"Brightness"},
    {CaptionId::CycleSpeed, "cap_cycle_speed", u"Cycle speed"},
    {CaptionId::Games, "cap_games", u"GAMES"},
    {CaptionId::Macros, "cap_macros", u"Macros"},
    {CaptionId::KeyList, "cap_key_list", u"KEY LIST"},
    {CaptionId::Recorder, "cap_recorder", u"RECORDER"},
    {CaptionId::New, "cap_new", u"New"},
    {CaptionId::Delete, "cap_delete", u"Delete"},
    {CaptionId::Import, "cap_import", u"Import"},
    {CaptionId::Export, "cap_export", u"Export"},
    {CaptionId::SkipDelays, "cap_skip_delays", u"Skip delays"},
    {CaptionId::PlayCount, "cap_play_count", u"Play count"},
    {CaptionId::RepeatHeld, "cap_repeat_held", u"Repeat while held"},
    {CaptionId::ToggleRepeat, "cap_toggle_repeat", u"Toggle repeat"},
    {CaptionId::MouseButtons, "cap_mouse_buttons", u"Mouse buttons"},
    {CaptionId::EditLine, "cap_edit_line", u"Edit line"},
    {CaptionId::Key, "cap_key", u"Key"},
    {CaptionId::DelayMs, "cap_delay_ms", u"Delay (ms)"},
    {CaptionId::MouseMove, "cap_mouse_move", u"Mouse move"},
    {CaptionId::Ok, "cap_ok", u"OK"},
    {CaptionId::Statistics, "cap_statistics", u"STATISTICS"},
    {CaptionId::CurrentTrophy, "cap_current_trophy", u"CURRENT TROPHY"},
    {CaptionId::TrophyLevel, "cap_trophy_level", u"TROPHY LEVEL"},
    {CaptionId::Reset, "cap_reset", u"RESET"},
    {CaptionId::Level, "cap_level", u"LEVEL %1"},
    {CaptionId::CountLeft, "cap_count_left", u"Left"},
    {CaptionId::CountMiddle, "cap_count_middle", u"Middle"},
    {CaptionId::CountRight, "cap_count_right", u"Right"},
    {CaptionId::CountClicks, "cap_count_clicks", u"Total clicks"},
    {CaptionId::CountWheelUp, "cap_count_wheel_up", u"Wheel up"},
    {CaptionId::CountWheelDown, "cap_count_wheel_down", u"Wheel down"},
    {CaptionId::CountWheel, "cap_count_wheel", u"Total wheel"},
    {CaptionId::CountDistance, "cap_count_distance", u"Distance"},
    {CaptionId::Versions, "cap_versions", u"VERSIONS"},
    {CaptionId::Configuration, "cap_configuration", u"CONFIGURATION"},
    {CaptionId::BoxTips, "cap_box_tips", u"Tips"},
    {CaptionId::BoxOk, "cap_box_ok", u"OK"},
    {CaptionId::BoxCancel, "cap_box_cancel", u"Cancel"},
    {CaptionId::Updating, "cap_updating", u"Updating is in progress, please wait…"},
}};

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kCaptionKeys.size(); ++i)
        if (static_cast<std::size_t>(kCaptionKeys[i].id) != i) return false;
    return true;
}
static_assert(InIdOrder(), "captions listed in CaptionId order");

}  // namespace

const std::array<CaptionKey, kCaptionCount>& CaptionKeys() { return kCaptionKeys; }

}  // namespace oryn7px
