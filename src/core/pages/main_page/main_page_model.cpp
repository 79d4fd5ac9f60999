#include "core/pages/main_page/main_page_model.h"

#include <algorithm>

#include "core/base/utf16.h"

namespace oryn7px {

namespace {

std::u16string Decimal(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

int DpiThumbFor(int32_t storedValue) {
    return storedValue >= kDpiMinimum && storedValue <= kDpiMaximum ? storedValue : kDpiMinimum;
}

MainPageModel::MainPageModel(ButtonRecords records, const MacroTableData& macros, const KeyboardLayout& layout,
                             const int32_t& bChinese)
    : records_(records), macros_(macros), layout_(layout), bChinese_(bChinese) {}

void MainPageModel::RefreshFromProfile() {
    const ProfileData& p = records_.profile;
    for (int k = 0; k < kDpiLevelCount; ++k) {
        view_.dpiThumb[k] = DpiThumbFor(p.nDpiValue[k]);
        view_.dpiText[k] = Decimal(p.nDpiValue[k] * kDpiStep);
        view_.dpiChecked[k] = p.bDpiEnabled[k] != 0;
        view_.dpiSliderEnabled[k] = p.bDpiEnabled[k] != 0;
    }
    view_.pointerThumb = p.nPointerSpeed;
    view_.precisionChecked = p.bEnhancePrecision == 1;
    view_.sensorThumb = p.nSensorHeight;
    for (int r = 0; r < kReportRateCount; ++r) view_.rateChecked[r] = p.nReportRate == kReportRateCodes[r];
    const bool screen = p.nWheelLines == -1;
    view_.linesChecked = !screen;
    view_.screenChecked = screen;
    view_.linesEnabled = !screen;
    view_.displayedLines = screen ? 1 : p.nWheelLines;
    RefreshTabs();
    view_.linesText = Decimal(view_.displayedLines);
}

void MainPageModel::ClickDpiLevel(int level) {
    ProfileData& p = records_.profile;
    if (view_.dpiChecked[level]) {
        const int on = static_cast<int>(std::count_if(std::begin(p.bDpiEnabled), std::end(p.bDpiEnabled),
                                                      [](int32_t enabled) { return enabled == 1; }));
        if (on == 1) return;  // the last level that is on stays on
        view_.dpiChecked[level] = false;
        view_.dpiSliderEnabled[level] = false;
        p.bDpiEnabled[level] = 0;
        p.nDpiOrder[level] = kDpiOff;
        for (int k = level + 1; k < kDpiLevelCount; ++k)
            if (p.nDpiOrder[k] != kDpiOff) --p.nDpiOrder[k];
        return;
    }
    view_.dpiChecked[level] = true;
    view_.dpiSliderEnabled[level] = true;
    p.bDpiEnabled[level] = 1;
    p.nDpiOrder[level] = static_cast<int32_t>(std::count_if(p.bDpiEnabled, p.bDpiEnabled + level,
                                                            [](int32_t enabled) { return enabled == 1; }));
    for (int k = level + 1; k < kDpiLevelCount; ++k)
        if (p.nDpiOrder[k] != kDpiOff) ++p.nDpiOrder[k];
}

void MainPageModel::SliderMoved(int controlId, int position) {
    ProfileData& p = records_.profile;
    if (controlId == kPointerSpeedSlider) {
        p.nPointerSpeed = position;
        view_.pointerThumb = position;
    } else if (controlId == kSensorHeightSlider) {
        p.nSensorHeight = position;
        view_.sensorThumb = position;
    } else if (controlId >= kFirstDpiSlider && controlId < kFirstDpiSlider + kDpiLevelCount) {
        const int level = controlId - kFirstDpiSlider;
        if (!view_.dpiChecked[level]) return;
        p.nDpiValue[level] = position;
        view_.dpiThumb[level] = position;
        view_.dpiText[level] = Decimal(position * kDpiStep);
    }
}

void MainPageModel::ClickPrecision() {
    view_.precisionChecked = !view_.precisionChecked;
    records_.profile.bEnhancePrecision = view_.precisionChecked ? 1 : 0;
}

void MainPageModel::ClickReportRate(int radio) {
    for (int r = 0; r < kReportRateCount; ++r) view_.rateChecked[r] = r == radio;
    records_.profile.nReportRate = kReportRateCodes[radio];
}

void MainPageModel::ClickLinesRadio() {
    view_.linesChecked = true;
    view_.screenChecked = false;
    view_.linesEnabled = true;
    records_.profile.nWheelLines = view_.displayedLines;
}

void MainPageModel::ClickScreenRadio() {
    view_.linesChecked = false;
    view_.screenChecked = true;
    view_.linesEnabled = false;
    records_.profile.nWheelLines = -1;
}

void MainPageModel::LinesUp() { ShowLines(std::min(view_.displayedLines + 1, kLinesMaximum)); }

void MainPageModel::LinesDown() { ShowLines(std::max(view_.displayedLines - 1, kLinesMinimum)); }

void MainPageModel::ShowLines(int lines) {
    view_.displayedLines = lines;
    records_.profile.nWheelLines = lines;
    view_.linesText = Decimal(lines);
}

void MainPageModel::CommitWheelLines() {
    std::u16string_view text = view_.linesText;
    while (!text.empty() && text.front() == u'0') text.remove_prefix(1);
    // The box takes digits only; anything else counts as no number at all.
    const bool digits = std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    if (text.empty() || !digits) {
        ShowLines(kLinesMinimum);
        return;
    }
    // More than two digits is more than 30 whatever they are, and cannot overflow.
    const int value = text.size() > 2 ? kLinesMaximum : std::stoi(Utf16ToUtf8(text));
    ShowLines(std::min(value, kLinesMaximum));
}

void MainPageModel::RefreshTabs() {
    for (int b = 0; b < kButtonCount; ++b)
        view_.tabHighlighted[b] = records_.profile.Buttons[b].nFunction != nDefaultFunction[b];
}

std::u16string MainPageModel::BeginAssignment(int button) {
    nSelectedButton_ = button;
    ButtonSetting& setting = records_.profile.Buttons[button];
    SetFixedText(setting.szName, RepairedName(FixedText(setting.szName), Chinese()));
    return std::u16string(FixedText(setting.szName));
}

std::optional<std::u16string> MainPageModel::FinishAssignment(const std::optional<AssignmentResult>& result) {
    const int button = nSelectedButton_;
    std::optional<std::u16string> refusal;
    if (result && button >= 0) {
        refusal = CheckAssignment(records_.profile, button, *result, Chinese());
        if (!refusal) StoreAssignment(records_, button, *result, macros_, layout_, Chinese());
    }
    RefreshTabs();
    nSelectedButton_ = -1;
    return refusal;
}

}  // namespace oryn7px
