#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#include "core/base/utf16.h"
#include "core/i18n/us_keyboard_layout.h"
#include "core/pages/main_page/main_page_model.h"
#include "core/settings/settings_state.h"

namespace oryn7px {
namespace {

class MainPageModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildDefaultProfile(state->profile, false);
        state->bChinese = 0;
        model.RefreshFromProfile();
    }
    // Levels given 1-based, as the user sees them.
    void OnlyLevelsOn(std::initializer_list<int> levels) {
        int order = 0;
        for (int k = 0; k < kDpiLevelCount; ++k) {
            const bool on = std::find(levels.begin(), levels.end(), k + 1) != levels.end();
            state->profile.bDpiEnabled[k] = on ? 1 : 0;
            state->profile.nDpiOrder[k] = on ? order++ : kDpiOff;
        }
        model.RefreshFromProfile();
    }
    std::vector<int32_t> Orders() const {
        return std::vector<int32_t>(state->profile.nDpiOrder, state->profile.nDpiOrder + kDpiLevelCount);
    }

    std::unique_ptr<SettingsState> state = std::make_unique<SettingsState>();
    UsKeyboardLayout layout;
    MainPageModel model{{state->profile, state->ButtonMacroId}, state->MacroTable, layout, state->bChinese};
};

TEST_F(MainPageModelTest, DpiLevelsKeepTheirCycleOrderWithoutGaps) {
    OnlyLevelsOn({1, 5});
    EXPECT_EQ(Orders(), (std::vector<int32_t>{0, 255, 255, 255, 1, 255, 255}));
    model.ClickDpiLevel(2);  // level 3 on
    EXPECT_EQ(Orders(), (std::vector<int32_t>{0, 255, 1, 255, 2, 255, 255}));
    EXPECT_TRUE(model.View().dpiChecked[2]);
    EXPECT_TRUE(model.View().dpiSliderEnabled[2]);
    model.ClickDpiLevel(0);  // level 1 off
    EXPECT_EQ(Orders(), (std::vector<int32_t>{255, 255, 0, 255, 1, 255, 255}));
    EXPECT_EQ(state->profile.bDpiEnabled[0], 0);
    EXPECT_FALSE(model.View().dpiChecked[0]);
    EXPECT_FALSE(model.View().dpiSliderEnabled[0]);
}

TEST_F(MainPageModelTest, TheLastLevelThatIsOnStaysOn) {
    OnlyLevelsOn({4});
    const ProfileData before = state->profile;
    model.ClickDpiLevel(3);
    EXPECT_EQ(std::memcmp(&before, &state->profile, sizeof before), 0);
    EXPECT_TRUE(model.View().dpiChecked[3]);
}

TEST_F(MainPageModelTest, SlidersStoreTheirPositionAndDpiLevelsOnlyWhileOn) {
    struct Case {
        const char* what;
        int controlId;
        int position;
        int32_t ProfileData::*field;
        int level;  // for DPI sliders, else -1
        int32_t expected;
    };
    OnlyLevelsOn({1, 2});
    const Case cases[] = {
        {"pointer speed", kPointerSpeedSlider, 17, &ProfileData::nPointerSpeed, -1, 17},
        {"sensor height", kSensorHeightSlider, 29, &ProfileData::nSensorHeight, -1, 29},
        {"DPI level 2 (on)", kFirstDpiSlider + 1, 64, nullptr, 1, 64},
        {"DPI level 3 (off) stores nothing", kFirstDpiSlider + 2, 99, nullptr, 2, 20},
    };
    for (const Case& c : cases) {
        model.SliderMoved(c.controlId, c.position);
        const int32_t stored = c.field ? state->profile.*c.field : state->profile.nDpiValue[c.level];
        EXPECT_EQ(stored, c.expected) << c.what;
    }
    EXPECT_EQ(Utf16ToUtf8(model.View().dpiText[1]), "3200");
    EXPECT_EQ(Utf16ToUtf8(model.View().dpiText[2]), "1000");
}

TEST_F(MainPageModelTest, ReportRateRadiosStoreIntervalCodes) {
    const int32_t codes[] = {8, 4, 2, 1};
    for (int radio = 0; radio < 4; ++radio) {
        model.ClickReportRate(radio);
        EXPECT_EQ(state->profile.nReportRate, codes[radio]);
        for (int r = 0; r < 4; ++r) EXPECT_EQ(model.View().rateChecked[r], r == radio);
    }
}

TEST_F(MainPageModelTest, RefreshShowsTheProfile) {
    state->profile.nReportRate = 3;  // not a code any radio stands for
    state->profile.nDpiValue[0] = 200;  // beyond the slider
    state->profile.nDpiValue[1] = 64;
    state->profile.bDpiEnabled[6] = 0;
    state->profile.bEnhancePrecision = 1;
    state->profile.nWheelLines = -1;
    state->profile.Buttons[3].nFunction = 121;
    model.RefreshFromProfile();
    const MainPageView& view = model.View();
    EXPECT_EQ(view.rateChecked, (std::array<bool, 4>{false, false, false, false}));
    EXPECT_EQ(view.dpiThumb[0], 1);
    EXPECT_EQ(Utf16ToUtf8(view.dpiText[0]), "10000");
    EXPECT_EQ(view.dpiThumb[1], 64);
    EXPECT_FALSE(view.dpiChecked[6]);
    EXPECT_FALSE(view.dpiSliderEnabled[6]);
    EXPECT_TRUE(view.precisionChecked);
    EXPECT_TRUE(view.screenChecked);
    EXPECT_FALSE(view.linesChecked);
    EXPECT_FALSE(view.linesEnabled);
    EXPECT_EQ(Utf16ToUtf8(view.linesText), "1");
    EXPECT_EQ(view.tabHighlighted, (std::array<bool, 8>{false, false, false, true, false, false, false, false}));
}

TEST_F(MainPageModelTest, PrecisionToggles) {
    model.ClickPrecision();
    EXPECT_EQ(state->profile.bEnhancePrecision, 1);
    model.ClickPrecision();
    EXPECT_EQ(state->profile.bEnhancePrecision, 0);
}

TEST_F(MainPageModelTest, CommittingTheLinesBox) {
    struct Case {
        const char16_t* typed;
        int32_t stored;
        const char* shown;
    };
    const Case cases[] = {{u"007", 7, "7"}, {u"0", 1, "1"},     {u"", 1, "1"},       {u"45", 30, "30"},
                          {u"30", 30, "30"}, {u"12", 12, "12"}, {u"99999999999", 30, "30"}, {u"1a", 1, "1"}};
    for (const Case& c : cases) {
        model.SetLinesText(c.typed);
        model.CommitWheelLines();
        EXPECT_EQ(state->profile.nWheelLines, c.stored) << Utf16ToUtf8(c.typed);
        EXPECT_EQ(Utf16ToUtf8(model.View().linesText), c.shown) << Utf16ToUtf8(c.typed);
        EXPECT_EQ(model.View().displayedLines, c.stored);
    }
}

TEST_F(MainPageModelTest, ArrowsStopAtTheEndsAndRadiosSwitchTheBox) {
    state->profile.nWheelLines = 30;
    model.RefreshFromProfile();
    model.LinesUp();
    EXPECT_EQ(state->profile.nWheelLines, 30);
    model.ClickScreenRadio();
    EXPECT_EQ(state->profile.nWheelLines, -1);
    EXPECT_FALSE(model.View().linesEnabled);
    model.ClickLinesRadio();
    EXPECT_EQ(state->profile.nWheelLines, 30);
    EXPECT_TRUE(model.View().linesEnabled);
    state->profile.nWheelLines = 1;
    model.RefreshFromProfile();
    model.LinesDown();
    EXPECT_EQ(state->profile.nWheelLines, 1);
    model.LinesUp();
    EXPECT_EQ(state->profile.nWheelLines, 2);
    EXPECT_EQ(Utf16ToUtf8(model.View().linesText), "2");
}

TEST_F(MainPageModelTest, NameRepairFollowsTheShownLanguage) {
    struct Case {
        int32_t chinese;
        int button;
        const char16_t* stored;
        const char16_t* shown;
    };
    const Case cases[] = {{1, 0, u"Click", u"单击"},
                          {0, 6, u"滚轮后滚", u"Scroll down"},
                          {0, 0, u"Click", u"Click"},
                          {1, 2, u"My own", u"My own"}};
    for (const Case& c : cases) {
        state->bChinese = c.chinese;
        SetFixedText(state->profile.Buttons[c.button].szName, c.stored);
        EXPECT_EQ(model.BeginAssignment(c.button), c.shown);
        EXPECT_EQ(FixedText(state->profile.Buttons[c.button].szName), c.shown);
        EXPECT_EQ(model.SelectedButton(), c.button);
        model.FinishAssignment(std::nullopt);
        EXPECT_EQ(model.SelectedButton(), -1);
    }
}

TEST_F(MainPageModelTest, AcceptedAssignmentIsStoredAndHighlighted) {
    model.BeginAssignment(1);
    EXPECT_EQ(model.FinishAssignment(AssignmentResult{kAssignPlain, 143, 0, {}}), std::nullopt);
    EXPECT_EQ(state->profile.Buttons[1].nFunction, 143);
    EXPECT_EQ(FixedText(state->profile.Buttons[1].szName), u"FIRE");
    EXPECT_TRUE(model.View().tabHighlighted[1]);
}

TEST_F(MainPageModelTest, RefusedAssignmentChangesNothing) {
    state->bChinese = 1;
    model.BeginAssignment(0);
    const ProfileData before = state->profile;
    const auto refusal = model.FinishAssignment(AssignmentResult{kAssignPlain, 2, 0, {}});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(*refusal, u"请保留至少一个键为\"单击\"功能!");
    EXPECT_EQ(std::memcmp(&before, &state->profile, sizeof before), 0);
    EXPECT_EQ(model.SelectedButton(), -1);
}

}  // namespace
}  // namespace oryn7px
