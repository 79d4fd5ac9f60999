#include "core/pages/main_page/main_page_model.h"

#include <algorithm>

#include "core/base/utf16.h"

namespace oryn7px {

namespace {

std::u16string Decimal(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

// The levels that are on take the orders 0, 1, 2, ... in level order; the others are off.
void RenumberDpiCycle(ProfileData& p) {
    int32_t order = 0;
    for (int k = 0; k < kDpiLevelCount; ++k) {
        p.bDpiEnabled[k] = p.bDpiEnabled[k] != 0 ? 1 : 0;
        p.nDpiOrder[k] = p.bDpiEnabled[k] != 0 ? order++ : kDpiOrderOff;
    }
}

}  // namespace

int DpiThumbFor(int32_t storedValue) {
    return kDpiStepRange.Contains(storedValue) ? storedValue : kDpiStepRange.minimum;
}

MainPageModel::MainPageModel(ButtonRecords records, const MacroTableData& macros, const KeyboardLayout& layout,
                             const int32_t& bChinese)
    : records_(records), macros_(macros), layout_(layout), bChinese_(bChinese) {}

void MainPageModel::RefreshFromProfile() {
    const ProfileData& p = records_.profile;
    for (int k = 0; k < kDpiLevelCount; ++k) {
        view_.dpiThumb[k] = DpiThumbFor(p.nDpiValue[k]);
        view_.dpiText[k] = Decimal(p.nDpiValue[k] * kDpiStep);
    }
    ShowDpiLevels();
    view_.pointerThumb = p.nPointerSpeed;
    view_.precisionChecked = p.bEnhancePrecision == 1;
    view_.sensorThumb = p.nSensorHeight;
    for (int r = 0; r < kReportRateCount; ++r) view_.rateChecked[r] = p.nReportRate == kReportRateCodes[r];
    const bool screen = p.nWheelLines == kWheelScreenPerNotch;
    view_.linesChecked = !screen;
    view_.screenChecked = screen;
    view_.linesEnabled = !screen;
    view_.displayedLines = screen ? kWheelLinesRange.minimum : p.nWheelLines;
    RefreshTabs();
    view_.linesText = Decimal(view_.displayedLines);
}

void MainPageModel::ShowDpiLevels() {
    for (int k = 0; k < kDpiLevelCount; ++k) view_.dpiOn[k] = records_.profile.bDpiEnabled[k] != 0;
}

bool MainPageModel::SetDpiLevelOn(int level, bool on) {
    if (level < 0 || level >= kDpiLevelCount) return false;
    ProfileData& p = records_.profile;
    const auto levelsOn = std::count_if(std::begin(p.bDpiEnabled), std::end(p.bDpiEnabled),
                                        [](int32_t enabled) { return enabled != 0; });
    if (!on && levelsOn == 1 && p.bDpiEnabled[level] != 0) return false;
    p.bDpiEnabled[level] = on ? 1 : 0;
    // Renumbered from the flags whole: orders damaged in a file come out dense too.
    RenumberDpiCycle(p);
    ShowDpiLevels();
    return true;
}

DpiEdit MainPageModel::SetDpi(int level, int dpi) {
    if (level < 0 || level >= kDpiLevelCount || !IsSettableDpi(dpi)) return DpiEdit::kOutOfRange;
    ProfileData& p = records_.profile;
    if (p.bDpiEnabled[level] == 0) return DpiEdit::kLevelOff;
    p.nDpiValue[level] = dpi / kDpiStep;
    view_.dpiThumb[level] = p.nDpiValue[level];
    view_.dpiText[level] = Decimal(dpi);
    return DpiEdit::kStored;
}

bool MainPageModel::SetPointerSpeed(int speed) {
    if (!kPointerSpeedRange.Contains(speed)) return false;
    records_.profile.nPointerSpeed = speed;
    view_.pointerThumb = speed;
    return true;
}

bool MainPageModel::SetSensorHeight(int height) {
    if (!kSensorHeightRange.Contains(height)) return false;
    records_.profile.nSensorHeight = height;
    view_.sensorThumb = height;
    return true;
}

void MainPageModel::SetEnhancePrecision(bool on) {
    view_.precisionChecked = on;
    records_.profile.bEnhancePrecision = on ? 1 : 0;
}

bool MainPageModel::SetReportRateHz(int hz) {
    const auto radio = std::find(kReportRateHz.begin(), kReportRateHz.end(), hz) - kReportRateHz.begin();
    if (radio == kReportRateCount) return false;
    for (int r = 0; r < kReportRateCount; ++r) view_.rateChecked[r] = r == radio;
    records_.profile.nReportRate = kReportRateCodes[static_cast<std::size_t>(radio)];
    return true;
}

bool MainPageModel::SetWheelLines(int lines) {
    if (lines == kWheelScreenPerNotch) {
        ClickScreenRadio();
        return true;
    }
    if (!kWheelLinesRange.Contains(lines)) return false;
    view_.linesChecked = true;
    view_.screenChecked = false;
    view_.linesEnabled = true;
    ShowLines(lines);
    return true;
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
    records_.profile.nWheelLines = kWheelScreenPerNotch;
}

void MainPageModel::LinesUp() { ShowLines(std::min(view_.displayedLines + 1, kWheelLinesRange.maximum)); }

void MainPageModel::LinesDown() { ShowLines(std::max(view_.displayedLines - 1, kWheelLinesRange.minimum)); }

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
        ShowLines(kWheelLinesRange.minimum);
        return;
    }
    // More than two digits is more than 30 whatever they are, and cannot overflow.
    const int value = text.size() > 2 ? kWheelLinesRange.maximum : std::stoi(Utf16ToUtf8(text));
    ShowLines(std::min(value, kWheelLinesRange.maximum));
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
