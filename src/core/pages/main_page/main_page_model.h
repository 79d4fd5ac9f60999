#pragma once
// The rules of the main settings page without a screen: what each click does to the profile
// and what every control shows. The page widget and the CLI both drive it.
#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/device/protocol/dpi_encoder.h"
#include "core/pages/main_page/assignment.h"
#include "core/pages/value_range.h"

namespace oryn7px {

// A DPI level's value is stored in steps of 50 DPI, the codes the mouse takes; the slider shows them.
inline constexpr int kDpiStep = 50;
inline constexpr ValueRange kDpiStepRange{kMinDpiCode, kMaxDpiCode};
inline constexpr ValueRange kPointerSpeedRange{1, 20};
inline constexpr ValueRange kSensorHeightRange{1, 30};
inline constexpr ValueRange kWheelLinesRange{1, 30};
// nWheelLines for one screen per wheel notch.
inline constexpr int32_t kWheelScreenPerNotch = -1;
// nDpiOrder of a level that is not part of the DPI cycle.
inline constexpr int32_t kDpiOrderOff = 255;
inline constexpr int kReportRateCount = 4;
// The radios from left to right: 125, 250, 500, 1000 Hz, and the interval code each stores.
inline constexpr std::array<int32_t, kReportRateCount> kReportRateCodes{8, 4, 2, 1};
inline constexpr std::array<int, kReportRateCount> kReportRateHz{125, 250, 500, 1000};

// Whether `dpi` is a value a level can take: a multiple of 50 from 50 to 7200.
constexpr bool IsSettableDpi(int dpi) { return dpi % kDpiStep == 0 && kDpiStepRange.Contains(dpi / kDpiStep); }

enum class DpiEdit { kStored, kOutOfRange, kLevelOff };

struct MainPageView {
    // Level k's box is checked and its slider enabled exactly while the level is on.
    std::array<bool, kDpiLevelCount> dpiOn{};
    std::array<int, kDpiLevelCount> dpiThumb{};
    std::array<std::u16string, kDpiLevelCount> dpiText;
    int pointerThumb = 1;
    bool precisionChecked = false;
    int sensorThumb = 1;
    std::array<bool, kReportRateCount> rateChecked{};
    bool linesChecked = false;
    bool screenChecked = false;
    bool linesEnabled = false;  // the lines box and its two arrows
    int displayedLines = 1;
    std::u16string linesText;
    std::array<bool, kButtonCount> tabHighlighted{};
};

class MainPageModel {
public:
    MainPageModel(ButtonRecords records, const MacroTableData& macros, const KeyboardLayout& layout,
                  const int32_t& bChinese);

    const MainPageView& View() const { return view_; }
    int SelectedButton() const { return nSelectedButton_; }

    void RefreshFromProfile();

    // Turns level 0..6 on or off, keeping the cycle orders dense; false when the level is not
    // left as asked (the last level that is on stays on).
    bool SetDpiLevelOn(int level, bool on);
    // Sets a level's DPI (IsSettableDpi); only a level that is on takes one.
    DpiEdit SetDpi(int level, int dpi);
    // Each false, changing nothing, for a value outside its range.
    bool SetPointerSpeed(int speed);
    bool SetSensorHeight(int height);
    bool SetReportRateHz(int hz);
    // 1..30 lines per notch, or kWheelScreenPerNotch.
    bool SetWheelLines(int lines);
    void SetEnhancePrecision(bool on);

    // The wheel controls: the radios, the arrows beside the lines box, and the box's text.
    void ClickLinesRadio();
    void ClickScreenRadio();
    void LinesUp();
    void LinesDown();
    // What the user typed into the lines box; taken by CommitWheelLines.
    void SetLinesText(std::u16string text) { view_.linesText = std::move(text); }
    void CommitWheelLines();

    // A button tab was clicked: the button is selected and its stored name repaired; returns
    // the name the popup shows.
    std::u16string BeginAssignment(int button);
    // The popup ended: null for anything but OK. Returns the message of a refused assignment.
    std::optional<std::u16string> FinishAssignment(const std::optional<AssignmentResult>& result);

private:
    bool Chinese() const { return bChinese_ == 1; }
    void ShowLines(int lines);
    void ShowDpiLevels();
    void RefreshTabs();

    ButtonRecords records_;
    const MacroTableData& macros_;
    const KeyboardLayout& layout_;
    const int32_t& bChinese_;
    MainPageView view_;
    int nSelectedButton_ = -1;
};

// The slider position a stored DPI value shows at: the value itself, the minimum when out of range.
int DpiThumbFor(int32_t storedValue);

}  // namespace oryn7px
