#pragma once
// The main settings page: geometry of its controls and captions in the Chinese and the other
// layout, and the pictures they are cut from.
#include "core/layout/caption_place.h"
#include "core/layout/layout_types.h"

namespace oryn7px::main_page {

inline constexpr StatePictures kPictures{"Main_Normal.bmp", "Main_Down.bmp", "Main_Over.bmp"};
// The Chinese layout puts its controls elsewhere: its own set.
inline constexpr StatePictures kPicturesChinese{"zh/Main_Normal.bmp", "zh/Main_Down.bmp", "zh/Main_Over.bmp"};
inline constexpr const StatePictures& PicturesFor(bool chinese) { return chinese ? kPicturesChinese : kPictures; }
inline constexpr int kWidth = 925;
inline constexpr int kHeight = 456;

// One layout of the page's rectangular controls.
struct Layout {
    std::array<LayoutRect, 7> dpiBoxes;
    std::array<LayoutRect, 7> dpiSliders;
    std::array<LayoutRect, 7> dpiValues;
    std::array<LayoutRect, 7> levelNumbers;
    LayoutRect pointerSlider;
    LayoutRect precisionBox;
    LayoutRect precisionCaption;  // beside the box, or inside the control where it is that wide
    LayoutRect sensorSlider;
    std::array<LayoutRect, 4> reportRates;  // 125, 250, 500, 1000 Hz
    LayoutRect linesRadio;
    LayoutRect linesBox;
    LayoutRect linesUp;
    LayoutRect linesDown;
    LayoutRect screenRadio;
    std::array<LayoutRect, 8> markers;
    // Where the page says that the desktop does not take the pointer or the wheel setting.
    LayoutRect pointerNote;
    LayoutRect linesNote;
};

inline constexpr std::array<LayoutRect, 5> kMarkersFrom3{
    {{726, 218, 749, 241}, {730, 252, 754, 295}, {789, 121, 821, 144}, {798, 175, 820, 198}, {796, 204, 820, 225}}};

inline constexpr Layout kChineseLayout{
    {{{40, 57, 54, 69}, {40, 96, 55, 111}, {40, 135, 55, 149}, {40, 171, 55, 189},
      {385, 57, 400, 70}, {385, 95, 400, 110}, {385, 133, 400, 149}}},
    {{{89, 59, 292, 69}, {89, 97, 292, 107}, {89, 136, 292, 146}, {89, 176, 292, 186},
      {435, 59, 637, 69}, {435, 97, 637, 107}, {435, 136, 637, 146}}},
    {{{296, 56, 336, 74}, {296, 96, 336, 114}, {296, 135, 336, 153}, {296, 173, 336, 191},
      {641, 56, 681, 74}, {641, 96, 681, 114}, {641, 136, 681, 154}}},
    {{{60, 57, 72, 71}, {60, 96, 72, 110}, {60, 135, 72, 149}, {60, 175, 72, 189},
      {406, 57, 419, 71}, {406, 95, 419, 109}, {406, 136, 419, 150}}},
    {104, 243, 293, 253},
    {68, 271, 348, 291},
    {87, 271, 348, 291},
    {422, 245, 624, 255},
    {{{67, 348, 120, 363}, {134, 348, 190, 363}, {201, 348, 261, 363}, {271, 348, 331, 363}}},
    {406, 345, 570, 366},
    {574, 350, 590, 372},
    {594, 347, 607, 356},
    {594, 358, 607, 368},
    {406, 379, 690, 394},
    {{{761, 137, 787, 162}, {795, 150, 820, 172}, {829, 139, 853, 162}, kMarkersFrom3[0], kMarkersFrom3[1],
      kMarkersFrom3[2], kMarkersFrom3[3], kMarkersFrom3[4]}},
    {104, 256, 293, 270},
    {406, 310, 700, 326},
};

inline constexpr Layout kOtherLayout{
    {{{39, 38, 55, 58}, {39, 78, 54, 96}, {39, 119, 53, 139}, {39, 157, 54, 174},
      {384, 40, 400, 58}, {384, 78, 400, 97}, {384, 120, 400, 135}}},
    {{{88, 44, 289, 54}, {88, 84, 289, 94}, {88, 123, 289, 133}, {88, 162, 289, 172},
      {435, 44, 633, 54}, {435, 84, 633, 94}, {435, 123, 633, 133}}},
    {{{296, 43, 336, 61}, {296, 83, 336, 101}, {296, 122, 336, 140}, {296, 160, 336, 178},
      {641, 43, 681, 61}, {641, 83, 681, 101}, {641, 123, 681, 141}}},
    {{{60, 42, 72, 56}, {60, 81, 72, 95}, {60, 120, 72, 134}, {60, 160, 72, 174},
      {406, 42, 419, 56}, {406, 80, 419, 94}, {406, 121, 419, 135}}},
    {104, 229, 293, 239},
    {66, 257, 82, 274},
    {89, 257, 348, 274},
    {422, 230, 624, 240},
    {{{64, 342, 122, 359}, {132, 342, 192, 359}, {198, 342, 260, 359}, {266, 342, 333, 359}}},
    {406, 331, 669, 347},
    {550, 355, 573, 377},
    {573, 350, 588, 361},
    {573, 361, 588, 372},
    {406, 375, 672, 393},
    {{{762, 137, 787, 183}, {795, 150, 820, 172}, {837, 159, 866, 185}, kMarkersFrom3[0], kMarkersFrom3[1],
      kMarkersFrom3[2], kMarkersFrom3[3], kMarkersFrom3[4]}},
    {66, 280, 340, 296},
    {406, 310, 700, 326},
};

inline constexpr const Layout& LayoutFor(bool chinese) { return chinese ? kChineseLayout : kOtherLayout; }

// The title hot areas (hints only), the same in both layouts.
inline constexpr std::array<LayoutRect, 6> kTitleAreas{{{40, 14, 176, 37},
                                                         {35, 207, 218, 230},
                                                         {377, 210, 512, 231},
                                                         {30, 310, 135, 333},
                                                         {374, 283, 562, 307},
                                                         {29, 372, 205, 395}}};

// The inner edges of the page's left and right column of panels: captions reach no further.
inline constexpr int kLeftColumnLeft = 26;
inline constexpr int kLeftColumnRight = 348;
inline constexpr int kRightColumnLeft = 372;
inline constexpr int kRightColumnRight = 690;

// The section headings, beside each title area's accent bar and out to its panel's edge; the
// same in both layouts.
inline constexpr std::array<LayoutRect, 6> kHeadingCaptions{{{49, 16, kRightColumnRight, 35},
                                                             {44, 209, kLeftColumnRight, 228},
                                                             {386, 212, kRightColumnRight, 229},
                                                             {39, 312, kLeftColumnRight, 331},
                                                             {383, 285, kRightColumnRight, 305},
                                                             {38, 374, kLeftColumnRight, 393}}};
static_assert(kHeadingCaptions.size() == kTitleAreas.size(), "one heading per title area");

// The eight button tabs, the same in both layouts.
inline constexpr std::array<LayoutQuad, 8> kButtonTabs{{
    {{{19, 408}, {104, 408}, {78, 441}, {19, 441}}},
    {{{109, 408}, {186, 408}, {162, 441}, {84, 441}}},
    {{{192, 408}, {268, 408}, {243, 441}, {167, 441}}},
    {{{272, 408}, {349, 408}, {323, 441}, {248, 441}}},
    {{{354, 408}, {430, 408}, {405, 441}, {330, 441}}},
    {{{436, 408}, {522, 408}, {496, 441}, {410, 441}}},
    {{{526, 408}, {613, 408}, {589, 441}, {502, 441}}},
    {{{619, 408}, {689, 408}, {659, 441}, {594, 441}}},
}};

inline constexpr const char* kSliderThumb = "Slider.png";

// Control IDs: the sliders report their moves with theirs (UM_SLIDER_POS).
inline constexpr int kPointerSpeedSliderId = 2560;
inline constexpr int kSensorHeightSliderId = 2562;
inline constexpr int kLinesBoxId = 2563;
inline constexpr int kFirstDpiSliderId = 2564;
inline constexpr int kFirstDpiValueBoxId = 1013;

// The tabs' three page-sized pictures as numbered resources (normal, pressed, hover, disabled),
// one set per layout.
inline constexpr std::array<int, 4> kTabPicturesChinese{154, 155, 156, 154};
inline constexpr std::array<int, 4> kTabPicturesOther{157, 158, 159, 157};

// Hint IDs posted while the cursor is over a control.
inline constexpr int kHintPointerSpeed = 13;
inline constexpr int kHintPrecision = 14;
inline constexpr int kHintSensorHeight = 15;
inline constexpr int kHintReportRate = 16;
inline constexpr int kHintLines = 17;
inline constexpr int kHintScreen = 18;
inline constexpr int kHintButtonTab = 65;
inline constexpr std::array<int, 6> kTitleHints{61, 13, 62, 63, 64, 65};
static_assert(kTitleHints.size() == kTitleAreas.size(), "one hint per title area");

// Tooltips (language keys).
inline constexpr const char* kPrecisionTooltip = "str_improveAccuracy";
inline constexpr const char* kReportRateTooltip = "str_rollingrate";
inline constexpr const char* kLinesTooltip = "str_rollerColumn";
inline constexpr const char* kScreenTooltip = "str_rollerScreen";

// Timers: hot-spot markers follow the hovered tab; the lines box is taken into the profile.
inline constexpr int kMarkerTimerMs = 200;
inline constexpr int kWheelLinesTimerMs = 4000;
// A tab's hover area for its marker: its box, 17 pixels in from either side.
inline constexpr int kMarkerTabInset = 17;

// A check box's or radio button's mark and the gap after it, before its caption.
inline constexpr int kChoiceCaptionIndent = 19;

// A layout's captions: headings, button tabs, the check box, the radios, the slider ends and
// the wheel's unit.
constexpr std::array<CaptionPlace, 22> MakeCaptions(const Layout& layout) {
    // The unit on the number box's middle line.
    const auto afterBox = [](const LayoutRect& box, int left, int right) {
        const int middle = (box.top + box.bottom) / 2;
        return LayoutRect{left, middle - 7, right, middle + 7};
    };
    // A slider's ends a pixel below its middle line: in the other layout the heading is close above.
    const auto besideSlider = [](const LayoutRect& slider, int left, int right) {
        const int middle = (slider.top + slider.bottom) / 2;
        return LayoutRect{left, middle - 5, right, middle + 7};
    };
    const auto inside = [](const LayoutRect& choice) {
        return LayoutRect{choice.left + kChoiceCaptionIndent, choice.top, choice.right, choice.bottom};
    };
    const LayoutRect& pointer = layout.pointerSlider;
    const LayoutRect& sensor = layout.sensorSlider;
    constexpr auto kHeading = CaptionStyle::SectionHeading;
    constexpr auto kTab = CaptionStyle::ButtonTab;
    constexpr auto kDim = CaptionStyle::DimLabel;
    constexpr auto kCentre = CaptionAlign::Centre;
    constexpr auto kRight = CaptionAlign::Right;
    return {{
        {CaptionId::DpiLevels, kHeadingCaptions[0], kHeading},
        {CaptionId::PointerSpeed, kHeadingCaptions[1], kHeading},
        {CaptionId::SensorHeight, kHeadingCaptions[2], kHeading},
        {CaptionId::ReportRate, kHeadingCaptions[3], kHeading},
        {CaptionId::WheelScrolling, kHeadingCaptions[4], kHeading},
        {CaptionId::Buttons, kHeadingCaptions[5], kHeading},
        {CaptionId::ButtonLeft, CaptionBoxIn(kButtonTabs[0], 3), kTab, kCentre},
        {CaptionId::ButtonMiddle, CaptionBoxIn(kButtonTabs[1], 3), kTab, kCentre},
        {CaptionId::ButtonRight, CaptionBoxIn(kButtonTabs[2], 3), kTab, kCentre},
        {CaptionId::ButtonForward, CaptionBoxIn(kButtonTabs[3], 3), kTab, kCentre},
        {CaptionId::ButtonBack, CaptionBoxIn(kButtonTabs[4], 3), kTab, kCentre},
        {CaptionId::ButtonWheelUp, CaptionBoxIn(kButtonTabs[5], 3), kTab, kCentre},
        {CaptionId::ButtonWheelDown, CaptionBoxIn(kButtonTabs[6], 3), kTab, kCentre},
        {CaptionId::ButtonDpi, CaptionBoxIn(kButtonTabs[7], 3), kTab, kCentre},
        {CaptionId::EnhancePrecision, layout.precisionCaption, CaptionStyle::Choice},
        {CaptionId::ScrollLines, inside(layout.linesRadio), CaptionStyle::Choice},
        {CaptionId::ScrollScreen, inside(layout.screenRadio), CaptionStyle::Choice},
        {CaptionId::Lines, afterBox(layout.linesBox, layout.linesUp.right + 5, kRightColumnRight), kDim},
        {CaptionId::Slow, besideSlider(pointer, kLeftColumnLeft, pointer.left - 4), kDim, kRight},
        {CaptionId::Fast, besideSlider(pointer, pointer.right + 5, kLeftColumnRight), kDim},
        {CaptionId::Low, besideSlider(sensor, kRightColumnLeft, sensor.left - 4), kDim, kRight},
        {CaptionId::High, besideSlider(sensor, sensor.right + 5, kRightColumnRight), kDim},
    }};
}

inline constexpr auto kCaptionsChinese = MakeCaptions(kChineseLayout);
inline constexpr auto kCaptionsOther = MakeCaptions(kOtherLayout);
inline constexpr const std::array<CaptionPlace, 22>& CaptionsFor(bool chinese) {
    return chinese ? kCaptionsChinese : kCaptionsOther;
}

// Where the page says that the desktop does not take the pointer settings, then the wheel setting.
constexpr std::array<CaptionPlace, 2> MakeNoteCaptions(const Layout& layout) {
    return {{{CaptionId::NotAppliedHere, layout.pointerNote, CaptionStyle::Note},
             {CaptionId::NotAppliedHere, layout.linesNote, CaptionStyle::Note}}};
}
inline constexpr auto kNoteCaptionsChinese = MakeNoteCaptions(kChineseLayout);
inline constexpr auto kNoteCaptionsOther = MakeNoteCaptions(kOtherLayout);
inline constexpr const std::array<CaptionPlace, 2>& NoteCaptionsFor(bool chinese) {
    return chinese ? kNoteCaptionsChinese : kNoteCaptionsOther;
}

// Every skin file the page loads, for the check that the build generated them all.
inline constexpr std::array kSkinFiles{kPictures.normal,        kPictures.down,        kPictures.over,
                                       kPicturesChinese.normal, kPicturesChinese.down, kPicturesChinese.over};

}  // namespace oryn7px::main_page
