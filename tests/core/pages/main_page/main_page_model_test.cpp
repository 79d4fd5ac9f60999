#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
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
            state->profile.nDpiOrder[k] = on ? order++ : kDpiOrderOff;
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
    EXPECT_TRUE(model.SetDpiLevelOn(2, true));  // level 3 on
    EXPECT_EQ(Orders(), (std::vector<int32_t>{0, 255, 1, 255, 2, 255, 255}));
    EXPECT_TRUE(model.View().dpiOn[2]);
    EXPECT_TRUE(model.SetDpiLevelOn(0, false));  // level 1 off
    EXPECT_EQ(Orders(), (std::vector<int32_t>{255, 255, 0, 255, 1, 255, 255}));
    EXPECT_EQ(state->profile.bDpiEnabled[0], 0);
    EXPECT_FALSE(model.View().dpiOn[0]);
}

TEST_F(MainPageModelTest, TheLastLevelThatIsOnStaysOn) {
    OnlyLevelsOn({4});
    const ProfileData before = state->profile;
    EXPECT_FALSE(model.SetDpiLevelOn(3, false));
    EXPECT_EQ(std::memcmp(&before, &state->profile, sizeof before), 0);
    EXPECT_TRUE(model.View().dpiOn[3]);
}

TEST_F(MainPageModelTest, SettingsStoreTheirValueAndDpiLevelsOnlyWhileOn) {
    OnlyLevelsOn({1, 2});
    EXPECT_TRUE(model.SetPointerSpeed(17));
    EXPECT_EQ(state->profile.nPointerSpeed, 17);
    EXPECT_EQ(model.View().pointerThumb, 17);
    EXPECT_TRUE(model.SetSensorHeight(29));
    EXPECT_EQ(state->profile.nSensorHeight, 29);
    EXPECT_EQ(model.View().sensorThumb, 29);
    EXPECT_EQ(model.SetDpi(1, 3200), DpiEdit::kStored);
    EXPECT_EQ(state->profile.nDpiValue[1], 64);
    EXPECT_EQ(model.View().dpiThumb[1], 64);
    EXPECT_EQ(model.SetDpi(2, 4950), DpiEdit::kLevelOff);
    EXPECT_EQ(state->profile.nDpiValue[2], 20);
    EXPECT_EQ(Utf16ToUtf8(model.View().dpiText[1]), "3200");
    EXPECT_EQ(Utf16ToUtf8(model.View().dpiText[2]), "1000");
}

TEST_F(MainPageModelTest, ValuesOutsideTheirRangeAreRefusedAndChangeNothing) {
    struct Case {
        const char* what;
        std::function<bool(MainPageModel&)> request;
    };
    const auto dpi = [](int level, int value) {
        return [=](MainPageModel& m) { return m.SetDpi(level, value) == DpiEdit::kStored; };
    };
    const Case cases[] = {
        {"DPI 0", dpi(0, 0)},
        {"DPI 49", dpi(0, 49)},
        {"DPI 75", dpi(0, 75)},
        {"DPI 7250", dpi(0, 7250)},
        {"DPI -50", dpi(0, -50)},
        {"DPI level 8", dpi(7, 800)},
        {"DPI level -1", dpi(-1, 800)},
        {"level 8 on", [](MainPageModel& m) { return m.SetDpiLevelOn(7, true); }},
        {"pointer speed 0", [](MainPageModel& m) { return m.SetPointerSpeed(0); }},
        {"pointer speed 21", [](MainPageModel& m) { return m.SetPointerSpeed(21); }},
        {"sensor height 0", [](MainPageModel& m) { return m.SetSensorHeight(0); }},
        {"sensor height 31", [](MainPageModel& m) { return m.SetSensorHeight(31); }},
        {"report rate 300 Hz", [](MainPageModel& m) { return m.SetReportRateHz(300); }},
        {"wheel lines 0", [](MainPageModel& m) { return m.SetWheelLines(0); }},
        {"wheel lines 31", [](MainPageModel& m) { return m.SetWheelLines(31); }},
        {"wheel lines -2", [](MainPageModel& m) { return m.SetWheelLines(-2); }},
    };
    const ProfileData before = state->profile;
    for (const Case& c : cases) {
        EXPECT_FALSE(c.request(model)) << c.what;
        EXPECT_EQ(std::memcmp(&before, &state->profile, sizeof before), 0) << c.what;
    }
    EXPECT_EQ(model.SetDpi(0, 50), DpiEdit::kStored);
    EXPECT_EQ(model.SetDpi(6, 7200), DpiEdit::kStored);
    EXPECT_EQ(state->profile.nDpiValue[0], 1);
    EXPECT_EQ(state->profile.nDpiValue[6], 144);
}

TEST_F(MainPageModelTest, WheelLinesRequestsChooseTheRadioAndTheNumber) {
    EXPECT_TRUE(model.SetWheelLines(kWheelScreenPerNotch));
    EXPECT_EQ(state->profile.nWheelLines, -1);
    EXPECT_TRUE(model.View().screenChecked);
    EXPECT_FALSE(model.View().linesEnabled);
    EXPECT_TRUE(model.SetWheelLines(7));
    EXPECT_EQ(state->profile.nWheelLines, 7);
    EXPECT_TRUE(model.View().linesChecked);
    EXPECT_FALSE(model.View().screenChecked);
    EXPECT_TRUE(model.View().linesEnabled);
    EXPECT_EQ(Utf16ToUtf8(model.View().linesText), "7");
}

TEST_F(MainPageModelTest, ReportRateRadiosStoreIntervalCodes) {
    const int32_t codes[] = {8, 4, 2, 1};
    for (int radio = 0; radio < 4; ++radio) {
        EXPECT_TRUE(model.SetReportRateHz(kReportRateHz[radio]));
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
    EXPECT_FALSE(view.dpiOn[6]);
    EXPECT_TRUE(view.precisionChecked);
    EXPECT_TRUE(view.screenChecked);
    EXPECT_FALSE(view.linesChecked);
    EXPECT_FALSE(view.linesEnabled);
    EXPECT_EQ(Utf16ToUtf8(view.linesText), "1");
    EXPECT_EQ(view.tabHighlighted, (std::array<bool, 8>{false, false, false, true, false, false, false, false}));
}

TEST_F(MainPageModelTest, PrecisionFollowsTheRequest) {
    model.SetEnhancePrecision(true);
    EXPECT_EQ(state->profile.bEnhancePrecision, 1);
    EXPECT_TRUE(model.View().precisionChecked);
    model.SetEnhancePrecision(false);
    EXPECT_EQ(state->profile.bEnhancePrecision, 0);
    EXPECT_FALSE(model.View().precisionChecked);
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
