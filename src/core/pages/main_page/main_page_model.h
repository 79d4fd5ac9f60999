#pragma once
// The rules of the main settings page without a screen: what each click does to the profile
// and what every control shows. The page widget and the CLI both drive it.
#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/pages/main_page/assignment.h"

namespace oryn7px {

// Control IDs the sliders report with.
inline constexpr int kPointerSpeedSlider = 2560;
inline constexpr int kSensorHeightSlider = 2562;
inline constexpr int kFirstDpiSlider = 2564;

inline constexpr int kDpiStep = 50;
inline constexpr int kDpiMinimum = 1;
inline constexpr int kDpiMaximum = 144;
inline constexpr int kLinesMinimum = 1;
inline constexpr int kLinesMaximum = 30;
inline constexpr int kDpiOff = 255;
inline constexpr int kReportRateCount = 4;
// The radios from left to right: 125, 250, 500, 1000 Hz, and the interval code each stores.
inline constexpr std::array<int32_t, kReportRateCount> kReportRateCodes{8, 4, 2, 1};
inline constexpr std::array<int, kReportRateCount> kReportRateHz{125, 250, 500, 1000};

struct MainPageView {
    std::array<bool, kDpiLevelCount> dpiChecked{};
    std::array<bool, kDpiLevelCount> dpiSliderEnabled{};
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

    void ClickDpiLevel(int level);
    // A slider bar reported a move (UM_SLIDER_POS).
    void SliderMoved(int controlId, int position);
    void ClickPrecision();
    void ClickReportRate(int radio);
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
