// The keyboard reaches the main window's controls: Tab and Shift+Tab go round the shown page in
// reading order and then the frame, the arrows move sliders and within groups, Space presses what
// has the focus, Enter and Escape do nothing, and the focus mark shows only once the keyboard is used.
#include <QLineEdit>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/i18n/languages.h"
#include "core/layout/frame_layout.h"
#include "core/layout/lighting_page_layout.h"
#include "core/layout/macro_page_layout.h"
#include "core/layout/main_page_layout.h"
#include "core/layout/statistics_page_layout.h"
#include "core/layout/support_page_layout.h"
#include "core/pages/lighting_page/lighting_page_model.h"
#include "keyboard_walk.h"
#include "main_window_fixture.h"
#include "ui/pages/lighting_page_dlg.h"
#include "ui/pages/macro_page_dlg.h"
#include "ui/skin/list_box_ex.h"
#include "ui/pages/main_page_dlg.h"
#include "ui/skin/focus_mark.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/png_slider.h"
#include "ui/skin/wnd_popup.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

namespace mw = main_window;
using test::Focus;
using test::Key;
using test::MainWindowTest;
using test::Numbered;
using test::Stop;

QPoint InWindow(const LayoutRect& r) { return test::TopLeft(r); }
QPoint InWindow(const LayoutQuad& quad) { return test::TopLeft(quad); }
QPoint OnPage(const LayoutRect& r) { return InWindow(r) + InWindow(mw::kPageArea); }
QPoint OnPage(const LayoutQuad& quad) { return OnPage(BoundingBox(quad)); }

// The frame after every page: the page tabs, then (where the page has something to apply) the
// profile buttons and apply, then the language button, minimise and hide.
std::vector<Stop> FrameStops(bool applicable) {
    std::vector<Stop> stops;
    for (std::size_t i = 0; i < mw::kPageTabs.size(); ++i) stops.push_back({Numbered("page tab ", i), InWindow(mw::kPageTabs[i])});
    if (applicable) {
        for (std::size_t i = 0; i < mw::kProfileButtons.size(); ++i)
            stops.push_back({Numbered("profile ", i), InWindow(mw::kProfileButtons[i])});
        stops.push_back({"apply", InWindow(mw::kApplyButton)});
    }
    stops.push_back({"language", InWindow(mw::kLanguageButton)});
    stops.push_back({"minimise", InWindow(mw::kMinimiseButton)});
    stops.push_back({"hide", InWindow(mw::kHideButton)});
    return stops;
}

std::vector<Stop> MainPageStops(bool chinese) {
    const main_page::Layout& l = main_page::LayoutFor(chinese);
    std::vector<Stop> stops;
    for (std::size_t k = 0; k < l.dpiBoxes.size(); ++k) {
        stops.push_back({Numbered("DPI box ", k), OnPage(l.dpiBoxes[k])});
        stops.push_back({Numbered("DPI slider ", k), OnPage(l.dpiSliders[k])});
    }
    stops.insert(stops.end(), {{"pointer speed", OnPage(l.pointerSlider)},
                               {"precision", OnPage(l.precisionBox)},
                               {"sensor height", OnPage(l.sensorSlider)}});
    for (std::size_t r = 0; r < l.reportRates.size(); ++r) stops.push_back({Numbered("report rate ", r), OnPage(l.reportRates[r])});
    stops.insert(stops.end(), {{"lines radio", OnPage(l.linesRadio)},
                               {"lines box", OnPage(l.linesBox)},
                               {"lines up", OnPage(l.linesUp)},
                               {"lines down", OnPage(l.linesDown)},
                               {"screen radio", OnPage(l.screenRadio)}});
    for (std::size_t b = 0; b < main_page::kButtonTabs.size(); ++b)
        stops.push_back({Numbered("button tab ", b), OnPage(main_page::kButtonTabs[b])});
    return stops;
}

// With the steady light: the breathing speed, own colours, their buttons and the cycle speed
// are disabled and skipped. The layouts place the effects differently; they read the same.
std::vector<Stop> LightingPageStops(bool chinese) {
    const lighting_page::Layout& l = lighting_page::LayoutFor(chinese);
    std::vector<Stop> stops{{"special effect", OnPage(l.effects[3])}, {"APM breathing", OnPage(l.effects[2])},
                            {"lighting off", OnPage(l.effects[5])},  {"breathing", OnPage(l.effects[1])},
                            {"steady light", OnPage(l.effects[0])},  {"brightness", OnPage(l.brightnessSlider)},
                            {"colour cycle", OnPage(l.effects[4])},  {"touch on", OnPage(l.touch[1])},
                            {"touch mode 2", OnPage(l.touch[2])},    {"touch off", OnPage(l.touch[0])}};
    for (int k = 0; k < lighting_page::kSwatchCount; ++k)
        stops.push_back({Numbered("preset ", static_cast<std::size_t>(k)), OnPage(lighting_page::SwatchRect(l, k))});
    const std::array<const char*, lighting_page::kChannelCount> channels{"red", "green", "blue"};
    for (std::size_t c = 0; c < channels.size(); ++c) stops.push_back({channels[c], OnPage(l.colourSliders[c])});
    return stops;
}

// No line editor open: its controls are hidden.
std::vector<Stop> MacroPageStops(bool chinese) {
    const macro_page::MacroPageLayout& l = macro_page::LayoutFor(chinese);
    return {{"category", OnPage(l.category)},       {"macro list", OnPage(l.macroList)},
            {"new", OnPage(l.newMacro)},            {"delete macro", OnPage(l.deleteMacro)},
            {"import", OnPage(l.importMacro)},      {"export", OnPage(l.exportMacro)},
            {"key list", OnPage(l.eventList)},      {"insert line", OnPage(l.insertLine)},
            {"delete line", OnPage(l.deleteLine)},  {"modify line", OnPage(l.modifyLine)},
            {"record", OnPage(l.record)},           {"skip delays", OnPage(l.skipDelays)},
            {"play count", OnPage(l.repeatCount)},  {"count field", OnPage(l.countField)},
            {"repeat held", OnPage(l.repeatFFFE)},  {"toggle repeat", OnPage(l.repeatFFFF)},
            {"left pad", OnPage(l.leftPad)},        {"middle pad", OnPage(l.middlePad)},
            {"right pad", OnPage(l.rightPad)}};
}

class KeyboardTest : public MainWindowTest {
protected:
    void SetUp() override { Start(kLanguageEnglish); }
    // The language decides the start-up layout.
    void Start(int language) {
        MainWindowTest::SetUp();
        UseLanguage(language);
        ASSERT_TRUE(dialog->OnInitDialog());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        test::Flush();
    }

    QPoint FocusAt() const { return Focus()->mapTo(dialog.get(), QPoint(0, 0)); }

    CDlgMainSet& MainPage() { return *qobject_cast<CDlgMainSet*>(dialog->Page(1)); }
    CDlgLEDSet& LightingPage() { return *qobject_cast<CDlgLEDSet*>(dialog->Page(2)); }
    CDlgMacro& MacroPage() { return *qobject_cast<CDlgMacro*>(dialog->Page(3)); }
    // The mark's colour at `at` of the control, as painted now.
    static bool MarkedAt(QWidget* control, QPoint at = {1, 1}) {
        return control->grab().toImage().pixelColor(at) == FocusMarkColour();
    }
};

class KeyboardLayoutTest : public KeyboardTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override { Start(GetParam() ? kLanguageSimplifiedChinese : kLanguageEnglish); }
};

TEST_P(KeyboardLayoutTest, TabGoesRoundTheShownPageInReadingOrderThenTheFrameAndShiftTabBack) {
    struct Case {
        int page;
        std::vector<Stop> pageStops;
        bool applicable;
    };
    const bool chinese = GetParam();
    const std::vector<Case> cases{
        {1, MainPageStops(chinese), true},
        {2, LightingPageStops(chinese), true},
        {3, MacroPageStops(chinese), true},
        {4, {{"reset", OnPage(statistics_page::kResetButton)}}, false},
        {5,
         {{"update", OnPage(support_page::kUpdateButton.rect)},
          {"web site", OnPage(support_page::kWebButton.rect)},
          {"import", OnPage(support_page::kImportButton.rect)},
          {"export", OnPage(support_page::kExportButton.rect)},
          {"defaults", OnPage(support_page::kDefaultsButton.rect)}},
         false},
    };
    LightingPage().EffectRadio(kEffectSteady)->click();
    for (const Case& c : cases) {
        Press(dialog->Tab(c.page));
        test::Flush();
        // From no control: the first Tab goes to the page's first.
        dialog->setFocus();
        std::vector<Stop> stops = c.pageStops;
        const std::vector<Stop> frame = FrameStops(c.applicable);
        stops.insert(stops.end(), frame.begin(), frame.end());
        EXPECT_EQ(test::Walk(dialog.get(), stops, Qt::Key_Tab, stops.size() + 1), test::RoundForward(stops)) << "page " << c.page;
        EXPECT_EQ(test::Walk(dialog.get(), stops, Qt::Key_Backtab, stops.size() + 1), test::RoundBack(stops))
            << "page " << c.page;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, KeyboardLayoutTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Chinese" : "Other"; });

TEST_F(KeyboardTest, SpaceTogglesADpiLevelBoxAndPressesApply) {
    CGDIBitmapBtn* level3 = MainPage().DpiBox(2);
    level3->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Space);
    EXPECT_FALSE(MainPage().Model().View().dpiOn[2]);
    EXPECT_FALSE(level3->GetChecked());
    // Its slider is off now, and Tab passes it by.
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focus(), MainPage().DpiBox(3));
    Key(Qt::Key_Backtab);
    Key(Qt::Key_Space);
    EXPECT_TRUE(MainPage().Model().View().dpiOn[2]);

    EXPECT_FALSE(mouse->State().keyMatrix.has_value());
    dialog->ApplyButton()->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Space);
    EXPECT_TRUE(mouse->State().keyMatrix.has_value());
}

TEST_F(KeyboardTest, SpaceChoosesAPageTabWhenItIsUp) {
    dialog->Tab(3)->setFocus(Qt::TabFocusReason);
    QTest::keyPress(Focus(), Qt::Key_Space);
    test::Flush();
    // What a tab opens (the button tabs' popup) must not hear the release.
    EXPECT_EQ(dialog->SelectedPage(), 1);
    QTest::keyRelease(Focus(), Qt::Key_Space);
    test::Flush();
    EXPECT_EQ(dialog->SelectedPage(), 3);
}

TEST_F(KeyboardTest, ArrowsMoveASliderOneStepAndTheModelAndLabelFollow) {
    CPngHSliderBar* slider = MainPage().DpiSlider(0);
    const int before = MainPage().Model().View().dpiThumb[0];
    slider->setFocus(Qt::TabFocusReason);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up}) {
        const int from = slider->GetPos();
        Key(key);
        EXPECT_EQ(slider->GetPos(), from + 1);
    }
    EXPECT_EQ(MainPage().Model().View().dpiThumb[0], before + 2);
    EXPECT_EQ(state->profile.nDpiValue[0], before + 2);
    EXPECT_EQ(MainPage().DpiValueBox(0)->text(), QString::number((before + 2) * kDpiStep));
    Key(Qt::Key_Left);
    Key(Qt::Key_Down);
    EXPECT_EQ(MainPage().Model().View().dpiThumb[0], before);

    // A level that is off keeps its slider where it is.
    MainPage().DpiBox(1)->click();
    const int off = MainPage().DpiSlider(1)->GetPos();
    MainPage().DpiSlider(1)->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Right);
    EXPECT_EQ(MainPage().DpiSlider(1)->GetPos(), off);
}

TEST_F(KeyboardTest, ArrowsMoveAndChooseInRadioGroupsAndOnlyMoveAmongPresets) {
    MainPage().ReportRateButton(3)->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Left);
    EXPECT_EQ(Focus(), MainPage().ReportRateButton(2));
    EXPECT_TRUE(MainPage().Model().View().rateChecked[2]);
    EXPECT_EQ(state->profile.nReportRate, kReportRateCodes[2]);

    // The page tabs are a group too: the page follows.
    dialog->Tab(1)->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Right);
    EXPECT_EQ(dialog->SelectedPage(), 2);
    EXPECT_EQ(Focus(), dialog->Tab(2));

    LightingPage().EffectRadio(kEffectSteady)->click();
    LightingPage().Swatch(0)->setFocus(Qt::TabFocusReason);
    const auto checked = LightingPage().Model().View().swatchChecked;
    Key(Qt::Key_Right);
    EXPECT_EQ(Focus(), LightingPage().Swatch(1));
    Key(Qt::Key_Down);
    EXPECT_EQ(Focus(), LightingPage().Swatch(1 + lighting_page::kSwatchesPerRow));
    EXPECT_EQ(LightingPage().Model().View().swatchChecked, checked) << "the arrows only move among the presets";
    Key(Qt::Key_Space);
    EXPECT_TRUE(LightingPage().Model().View().swatchChecked[1 + lighting_page::kSwatchesPerRow]);
}

TEST_F(KeyboardTest, EnterAndEscapeChangeNothingAndCloseNothing) {
    struct Case {
        const char* focus;
        QWidget* control;
    };
    const std::vector<Case> cases{{"DPI level box", MainPage().DpiBox(0)},
                                  {"page tab", dialog->Tab(2)},
                                  {"apply", dialog->ApplyButton()},
                                  {"the window itself", dialog.get()}};
    for (const Case& c : cases) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            c.control->setFocus(Qt::TabFocusReason);
            Key(key);
            EXPECT_TRUE(dialog->isVisible()) << c.focus << " " << key;
            EXPECT_EQ(dialog->SelectedPage(), 1) << c.focus << " " << key;
            EXPECT_TRUE(MainPage().Model().View().dpiOn[0]) << c.focus << " " << key;
            EXPECT_FALSE(mouse->State().keyMatrix.has_value()) << c.focus << " " << key;
            EXPECT_EQ(Focus(), c.control) << c.focus << " " << key;
        }
    }
}

TEST_F(KeyboardTest, AClickGivesTheFocusWithoutAMarkAndTheKeyboardShowsIt) {
    CGDIBitmapBtn* rate = MainPage().ReportRateButton(3);
    QTest::mouseClick(rate, Qt::LeftButton);
    EXPECT_TRUE(rate->hasFocus());
    EXPECT_FALSE(ShowsFocusMark(rate));
    EXPECT_FALSE(MarkedAt(rate));

    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusAt(), OnPage(main_page::kOtherLayout.linesRadio));
    EXPECT_TRUE(MarkedAt(Focus()));
    Key(Qt::Key_Backtab);
    EXPECT_TRUE(MarkedAt(rate));
    MainPage().DpiSlider(0)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(MarkedAt(MainPage().DpiSlider(0)));

    // The polygon buttons draw it along their outline: just inside the top edge.
    dialog->Tab(2)->setFocus(Qt::TabFocusReason);
    const QPoint topEdge = QPoint(mw::kPageTabs[1][0].x + 30, mw::kPageTabs[1][0].y + 1) - dialog->Tab(2)->pos();
    EXPECT_TRUE(MarkedAt(dialog->Tab(2), topEdge));

    QTest::mouseClick(MainPage().DpiBox(1), Qt::LeftButton);
    EXPECT_TRUE(MainPage().DpiBox(1)->hasFocus());
    EXPECT_FALSE(MarkedAt(MainPage().DpiBox(1)));
}

TEST_F(KeyboardTest, WhileTheMacroPageRecordsKeysNeitherMoveTheFocusNorPress) {
    Press(dialog->Tab(3));
    MacroPage().Model().NewMacro();
    test::Flush();
    CGDIBitmapBtn* record = MacroPage().Button(CDlgMacro::kRecord);
    QTest::mouseClick(record, Qt::LeftButton);
    ASSERT_TRUE(MacroPage().Model().Recording());
    ASSERT_EQ(Focus(), record);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Right}) {
        Key(key);
        EXPECT_TRUE(MacroPage().Model().Recording()) << key;
        EXPECT_EQ(Focus(), record) << key;
    }
    QTest::mouseClick(record, Qt::LeftButton);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focus(), MacroPage().Button(CDlgMacro::kSkipDelays));
}

TEST_F(KeyboardTest, TabFromARenameGoesOnFromItsListAndKeepsTheName) {
    Press(dialog->Tab(3));
    test::Flush();
    MacroPage().Button(CDlgMacro::kNewMacro)->click();
    QLineEdit* rename = MacroPage().MacroList()->EditBox();
    ASSERT_NE(rename, nullptr);
    ASSERT_EQ(Focus(), rename);
    rename->selectAll();
    QTest::keyClicks(rename, "Jump");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focus(), MacroPage().Button(CDlgMacro::kNewMacro));
    EXPECT_EQ(MacroPage().MacroList()->RowText(MacroPage().Model().SelectedMacro()), QStringLiteral("Jump"));
}

TEST_F(KeyboardTest, TheLanguageMenuTakesArrowsAndSpace) {
    dialog->LanguageButton()->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Space);
    CMenuExA* menu = dialog->LanguagePopup();
    ASSERT_NE(menu, nullptr);
    // Down twice from none: the second language, English; up and down again.
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down}) QTest::keyClick(menu, key);
    EXPECT_EQ(menu->HoveredItem(), 1);
    QTest::keyClick(menu, Qt::Key_Space);
    test::Flush();
    EXPECT_EQ(store->ReadLanguageNumber(0), kLanguageEnglish);
    EXPECT_EQ(dialog->LanguagePopup(), nullptr);
}

}  // namespace
}  // namespace oryn7px
