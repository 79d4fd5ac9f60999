#pragma once
// The lighting page: geometry of its controls and captions and the pictures the controls are cut
// from, in the Chinese layout and the other layout. The widgets hit-test with these rectangles and
// skingen draws the artwork from them.
#include <span>

#include "core/layout/caption_place.h"
#include "core/layout/layout_types.h"

namespace oryn7px::lighting_page {

// The two layouts place their controls differently, so each has its own picture set.
inline constexpr StatePictures kPictures{"Light/LedSet_normal.bmp", "Light/LedSet_down.bmp", "Light/LedSet_over.bmp"};
inline constexpr StatePictures kPicturesChinese{"Light/zh/LedSet_normal.bmp", "Light/zh/LedSet_down.bmp",
                                                "Light/zh/LedSet_over.bmp"};
inline constexpr const char* kSliderThumb = "Slider.png";

// The page fills the main window's page area.
inline constexpr int kWidth = 925;
inline constexpr int kHeight = 452;

inline constexpr int kEffectCount = 6;
inline constexpr int kColourButtonCount = 4;
inline constexpr int kTouchChoiceCount = 3;
inline constexpr int kTitleCount = 6;
inline constexpr int kSwatchCount = 26;
inline constexpr int kSwatchesPerRow = 7;
inline constexpr int kChannelCount = 3;

// Control IDs the sliders report with, and the value boxes' IDs.
inline constexpr int kRedSliderId = 769;
inline constexpr int kGreenSliderId = 770;
inline constexpr int kBlueSliderId = 771;
inline constexpr int kRedBoxId = 772;
inline constexpr int kBrightnessSliderId = 777;
inline constexpr int kBreathingSliderId = 778;
inline constexpr int kCycleSpeedSliderId = 779;

// The colour sliders' tracks stop short of their bars' right edge.
inline constexpr int kColourTrackShortening = 7;

struct Layout {
    std::array<LayoutRect, kEffectCount> effects;  // by effect number 1..6, at [effect - 1]
    LayoutRect breathingSlider;
    LayoutRect brightnessSlider;
    LayoutRect ownColours;
    std::array<LayoutRect, kColourButtonCount> colourButtons;
    LayoutRect cycleSpeedSlider;
    std::array<LayoutRect, kTouchChoiceCount> touch;  // by touch value 0, 1, 2
    LayoutRect currentColour;
    std::array<LayoutRect, kChannelCount> colourSliders;  // red, green, blue
    std::array<LayoutRect, kChannelCount> valueBoxes;
    std::array<LayoutRect, kTitleCount> titles;  // the headings and labels' hint areas
    LayoutRect wheel;  // the colour wheel is the ellipse inside this rectangle
    int swatchLeft;    // swatch 0's left and top edges, its width and height
    int swatchTop;
    int swatchWidth;
    int swatchHeight;
    // The captions no control holds: the headings and labels, in the titles' order, and the
    // breathing speed, brightness and cycle speed sliders' labels, right-aligned.
    std::array<LayoutRect, kTitleCount> titleCaptions;
    std::array<LayoutRect, 3> sliderLabels;
};

// Drawn for Chinese captions first; the radios reach as far as their neighbours allow, and the
// own colours, colour buttons and cycle speed sit far enough right for the longer captions of
// the other languages.
inline constexpr Layout kChineseLayout{
    {{{197, 89, 378, 106}, {197, 63, 300, 78}, {368, 36, 551, 52}, {197, 36, 362, 52}, {197, 118, 331, 135},
      {557, 36, 905, 52}}},
    {458, 67, 603, 75},
    {458, 92, 602, 101},
    {336, 114, 451, 138},
    {{{457, 115, 481, 139}, {489, 115, 514, 139}, {522, 115, 547, 139}, {555, 115, 579, 139}}},
    {713, 123, 856, 131},
    {{{722, 145, 905, 164}, {191, 144, 440, 165}, {446, 142, 716, 167}}},
    {171, 206, 196, 232},
    {{{564, 272, 692, 287}, {564, 319, 692, 334}, {564, 354, 692, 379}}},
    {{{713, 275, 738, 290}, {713, 323, 738, 338}, {713, 367, 738, 383}}},
    {{{21, 25, 176, 50}, {21, 138, 171, 167}, {25, 166, 404, 195}, {28, 207, 159, 229}, {30, 247, 131, 265},
      {482, 239, 631, 260}}},
    {771, 264, 891, 383},
    140,
    256,
    31,
    33,
    {{{30, 25, 192, 50}, {30, 138, 186, 166}, {34, 166, 404, 195}, {28, 207, 166, 229}, {30, 247, 136, 265},
      {482, 239, 760, 260}}},
    {{{306, 62, 450, 80}, {384, 87, 450, 105}, {587, 118, 705, 136}}},
};

inline constexpr Layout kOtherLayout{
    {{{196, 86, 407, 104}, {196, 56, 407, 76}, {450, 26, 665, 46}, {197, 28, 407, 47}, {196, 117, 331, 131},
      {710, 28, 910, 46}}},
    {570, 61, 714, 70},
    {570, 91, 713, 99},
    {341, 114, 489, 138},
    {{{517, 113, 541, 137}, {550, 113, 574, 137}, {582, 113, 606, 137}, {615, 113, 639, 137}}},
    {431, 145, 572, 155},
    {{{748, 162, 910, 183}, {232, 162, 486, 181}, {491, 165, 742, 184}}},
    {170, 207, 195, 232},
    {{{571, 279, 698, 287}, {571, 326, 698, 336}, {571, 370, 698, 379}}},
    {{{713, 275, 738, 290}, {713, 323, 738, 338}, {713, 367, 738, 383}}},
    {{{21, 25, 176, 50}, {17, 159, 253, 183}, {17, 184, 516, 206}, {28, 207, 159, 229}, {30, 247, 131, 265},
      {482, 239, 631, 260}}},
    {771, 264, 891, 383},
    177,
    258,
    31,
    32,
    {{{30, 25, 192, 50}, {26, 159, 228, 183}, {26, 184, 516, 206}, {28, 207, 165, 229}, {30, 247, 172, 265},
      {482, 239, 760, 260}}},
    {{{412, 56, 562, 74}, {412, 86, 562, 104}, {200, 141, 423, 159}}},
};

constexpr const Layout& LayoutFor(bool chinese) { return chinese ? kChineseLayout : kOtherLayout; }
constexpr const StatePictures& PicturesFor(bool chinese) { return chinese ? kPicturesChinese : kPictures; }

// A radio's or check box's caption lies right of its mark, inside the control, which draws it in
// its own state.
constexpr LayoutRect ChoiceCaptionBox(const LayoutRect& control) {
    return {control.left + 23, control.top, control.right - 2, control.bottom};
}

inline constexpr int kCaptionPlaceCount = kEffectCount + kTouchChoiceCount + 1 + kTitleCount + 3;

constexpr std::array<CaptionPlace, kCaptionPlaceCount> CaptionTable(const Layout& l) {
    using enum CaptionId;
    using enum CaptionStyle;
    const auto choice = [](CaptionId id, const LayoutRect& control) {
        return CaptionPlace{id, ChoiceCaptionBox(control), Choice};
    };
    const auto& t = l.titleCaptions;
    const auto& s = l.sliderLabels;
    return {{
        choice(EffectSteady, l.effects[0]), choice(EffectBreathing, l.effects[1]), choice(EffectApm, l.effects[2]),
        choice(EffectSpecial, l.effects[3]), choice(EffectCycle, l.effects[4]), choice(EffectOff, l.effects[5]),
        choice(TouchOff, l.touch[0]), choice(TouchOn, l.touch[1]), choice(TouchMode2, l.touch[2]),
        choice(OwnColours, l.ownColours),
        {LightingEffect, t[0], SectionHeading}, {TouchLighting, t[1], SectionHeading},
        {ColourSetting, t[2], SectionHeading}, {CurrentColour, t[3], Label}, {Presets, t[4], Label},
        {CustomColour, t[5], Label},
        {BreathingSpeed, s[0], DimLabel, CaptionAlign::Right}, {Brightness, s[1], DimLabel, CaptionAlign::Right},
        {CycleSpeed, s[2], DimLabel, CaptionAlign::Right},
    }};
}

inline constexpr std::array kCaptions = CaptionTable(kOtherLayout);
inline constexpr std::array kCaptionsChinese = CaptionTable(kChineseLayout);

inline std::span<const CaptionPlace> CaptionsFor(bool chinese) {
    return chinese ? std::span<const CaptionPlace>(kCaptionsChinese) : std::span<const CaptionPlace>(kCaptions);
}

// Swatch k sits in row k / 7 and column k mod 7, 40 pixels apart on both axes; from column 5 on
// the swatches move one pixel left.
constexpr LayoutRect SwatchRect(const Layout& layout, int k) {
    const int row = k / kSwatchesPerRow;
    const int column = k % kSwatchesPerRow;
    const int x = 40 * column - (column > 4 ? 1 : 0);
    const int left = layout.swatchLeft + x;
    const int top = layout.swatchTop + 41 * row;
    return {left, top, left + layout.swatchWidth, top + layout.swatchHeight};
}

// Whether a page point lies inside the ellipse inscribed in the wheel's rectangle.
constexpr bool InsideWheel(const Layout& layout, int x, int y) {
    const LayoutRect& w = layout.wheel;
    // Doubled coordinates keep the centre and radii whole numbers.
    const long long rx = w.Width();
    const long long ry = w.Height();
    const long long dx = 2LL * x - (w.left + w.right);
    const long long dy = 2LL * y - (w.top + w.bottom);
    return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
}

// Hint IDs the page posts while the cursor is over its controls (0: no hint).
inline constexpr std::array<int, kEffectCount> kEffectHints{31, 29, 27, 26, 33, 28};
inline constexpr int kBreathingHint = 76;
inline constexpr int kBrightnessHint = 32;
inline constexpr int kOwnColoursHintUnchecked = 34;
inline constexpr int kOwnColoursHintChecked = 35;
inline constexpr int kCycleSpeedHint = 36;
inline constexpr int kColourSliderHint = 39;
inline constexpr std::array<int, kColourButtonCount> kColourButtonHints{77, 78, 79, 0};
inline constexpr int kCurrentColourHint = 83;
inline constexpr std::array<int, kTitleCount> kTitleHints{75, 80, 81, 82, 84, 85};

// Tooltips (language keys); touch value 1 and 2 share theirs.
inline constexpr std::array<const char*, kEffectCount> kEffectTooltips{
    "str_led_brealways", "str_led_norbre", "str_led_apmbre", "str_ledspe", "str_led_symphony", "str_led_off"};
inline constexpr std::array<const char*, kColourButtonCount> kColourButtonTooltips{
    "str_multicolor1", "str_multicolor2", "str_multicolor3", "str_multicolor4"};
inline constexpr std::array<const char*, kTouchChoiceCount> kTouchTooltips{"str_led_body_off", "str_led_body_on",
                                                                           "str_led_body_on"};
inline constexpr const char* kCurrentColourTooltip = "str_choose_color";

// Every skin file the page loads, for the check that the build generated them all.
// (The slider thumb is one of the shared control pictures.)
inline constexpr std::array kSkinFiles{kPictures.normal,        kPictures.down,        kPictures.over,
                                       kPicturesChinese.normal, kPicturesChinese.down, kPicturesChinese.over};

}  // namespace oryn7px::lighting_page
