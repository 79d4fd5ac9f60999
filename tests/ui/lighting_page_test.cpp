// The lighting page in both layouts, on the generated pictures: controls at their rectangles,
// clicks on effects, swatches, colour buttons and the wheel, slider moves, hints, tooltips and
// captions.
#include <QMouseEvent>
#include <QTest>
#include <QValidator>
#include <gtest/gtest.h>

#include "core/i18n/languages.h"
#include "core/settings/light_color.h"
#include "core/settings/settings_state.h"
#include "caption_checks.h"
#include "main_window_fixture.h"
#include "ui/pages/lighting_page_dlg.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/color_btn.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/png_slider.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {
namespace {

namespace lp = lighting_page;
using test::Flush;
using test::RecordingWidget;

class LightingPageTest : public test::MainWindowTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        strings.LoadLanguageFile(LanguageFilePath(Program(), kLanguageEnglish));
        BuildDefaultProfile(state->profile, false);
        chinese = GetParam() ? 1 : 0;
        mainWindow.show();
        // Built at start-up, as in the program: the language and the layout agree.
        page = std::make_unique<CDlgLEDSet>(PageContextFor(&mainWindow, chinese, GetParam()));
        page->show();
        Flush();
    }
    void TearDown() override {
        page.reset();
        MainWindowTest::TearDown();
    }

    const lp::Layout& Layout() const { return lp::LayoutFor(chinese == 1); }
    RgbColor Colour(int i) const { return ToRgbColor(state->profile.LightColor[i]); }

    void Click(QWidget* control, QPoint at = {-1, -1}) {
        QTest::mouseClick(control, Qt::LeftButton, {}, at == QPoint(-1, -1) ? control->rect().center() : at);
        Flush();
    }
    void PressPage(QPoint at) {
        QTest::mousePress(page.get(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(page.get(), Qt::LeftButton, {}, at);
        Flush();
    }
    void MoveOverPage(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), page->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(page.get(), &move);
        Flush();
    }
    std::vector<intptr_t> HintsAt(QPoint at) {
        mainWindow.messages.clear();
        MoveOverPage(at);
        std::vector<intptr_t> hints;
        for (const Message& m : mainWindow.Received(UM_SHOW_HINT)) hints.push_back(m.lParam);
        return hints;
    }
    QPoint WheelPoint() const { return {Layout().wheel.left + 85, Layout().wheel.top + 40}; }

    RecordingWidget mainWindow;
    int32_t chinese = 0;
    std::unique_ptr<CDlgLEDSet> page;
};

TEST_P(LightingPageTest, EveryControlSitsAtItsRectangle) {
    const lp::Layout& l = Layout();
    const auto expect = [](QWidget* control, const LayoutRect& rect, const char* what) {
        EXPECT_EQ(control->geometry(), ToQRect(rect)) << what;
    };
    for (int e = 1; e <= lp::kEffectCount; ++e) expect(page->EffectRadio(e), l.effects[e - 1], "effect");
    for (int t = 0; t < lp::kTouchChoiceCount; ++t) expect(page->TouchRadio(t), l.touch[t], "touch");
    for (int n = 1; n <= lp::kColourButtonCount; ++n) expect(page->ColourButton(n), l.colourButtons[n - 1], "colour");
    for (int k = 0; k < lp::kSwatchCount; ++k) expect(page->Swatch(k), lp::SwatchRect(l, k), "swatch");
    expect(page->OwnColoursBox(), l.ownColours, "own colours");
    expect(page->CurrentColourButton(), l.currentColour, "current colour");
    expect(page->Slider(lp::kBreathingSliderId), l.breathingSlider, "breathing");
    expect(page->Slider(lp::kBrightnessSliderId), l.brightnessSlider, "brightness");
    expect(page->Slider(lp::kCycleSpeedSliderId), l.cycleSpeedSlider, "cycle speed");
    for (int c = 0; c < lp::kChannelCount; ++c) {
        expect(page->Slider(lp::kRedSliderId + c), l.colourSliders[c], "colour slider");
        expect(page->ValueBox(c), l.valueBoxes[c], "value box");
        // The colour tracks end 7 pixels short: the thumb at 255 stops there.
        CPngHSliderBar* bar = page->Slider(lp::kRedSliderId + c);
        bar->SetPos(255);
        EXPECT_EQ(bar->Thumb().geometry().right() + 1, l.colourSliders[c].right - lp::kColourTrackShortening);
    }
    EXPECT_EQ(page->size(), QSize(lp::kWidth, lp::kHeight));
}

TEST_P(LightingPageTest, EffectAndSwatchClicksEditTheProfileAndTheLooks) {
    Click(page->EffectRadio(1));
    EXPECT_EQ(state->profile.nLightMode, 1);
    EXPECT_EQ(page->EffectRadio(1)->CurrentLook(), ButtonLook::Pressed);
    EXPECT_FALSE(page->EffectRadio(5)->GetChecked());
    EXPECT_FALSE(page->ColourButton(1)->isEnabled());

    Click(page->Swatch(9));
    EXPECT_EQ(Colour(4), kLightPresets[9]);
    EXPECT_EQ(state->profile.nLightColorSource[4], 0);
    EXPECT_TRUE(page->Swatch(9)->GetChecked());
    EXPECT_EQ(page->CurrentColourButton()->GetColour(), ToQColor(kLightPresets[9]));
    EXPECT_EQ(test::PixelOf(*page->CurrentColourButton(), {3, 3}), QColor(1, 193, 250));
    EXPECT_EQ(page->ValueBox(2)->text(), QStringLiteral("250"));

    Click(page->EffectRadio(3));
    EXPECT_FALSE(page->Swatch(4)->isEnabled());
    EXPECT_EQ(page->Swatch(4)->CurrentLook(), ButtonLook::Disabled);
    Click(page->Swatch(4));
    EXPECT_EQ(Colour(4), kLightPresets[9]);
    // Editing is off: the boxes keep showing the current colour's numbers (1, 193, 250), disabled.
    EXPECT_EQ(page->ValueBox(0)->text(), QStringLiteral("1"));
    EXPECT_EQ(page->ValueBox(1)->text(), QStringLiteral("193"));

    Click(page->TouchRadio(2));
    EXPECT_EQ(state->profile.nTouchMode, 2);
    EXPECT_TRUE(page->TouchRadio(2)->GetChecked());
    EXPECT_FALSE(page->TouchRadio(1)->GetChecked());
}

TEST_P(LightingPageTest, OwnColoursAreEditedThroughTheColourButtons) {
    Click(page->EffectRadio(5));
    EXPECT_TRUE(page->ColourButton(1)->isEnabled());
    EXPECT_FALSE(page->Swatch(0)->isEnabled());
    EXPECT_FALSE(page->Slider(lp::kCycleSpeedSliderId)->IsDisabled());
    Click(page->OwnColoursBox());
    EXPECT_EQ(state->profile.nLightOption, 1);
    EXPECT_TRUE(page->OwnColoursBox()->GetChecked());
    EXPECT_TRUE(page->Slider(lp::kCycleSpeedSliderId)->IsDisabled());
    Click(page->ColourButton(3));
    Click(page->Swatch(12));
    EXPECT_EQ(Colour(2), (RgbColor{0x24, 0x00, 0xF8}));
    EXPECT_EQ(state->profile.nLightPresetIndex[2], 12);
    EXPECT_EQ(page->ColourButton(3)->GetColour(), QColor(0x24, 0x00, 0xF8));
    EXPECT_EQ(test::PixelOf(*page->ColourButton(3), {5, 5}), QColor(36, 0, 248));
    EXPECT_EQ(Colour(0), (RgbColor{0xFF, 0x00, 0x00}));
}

TEST_P(LightingPageTest, WheelStoresTheColourShownUnderTheCursor) {
    Click(page->EffectRadio(2));
    const QPoint at = WheelPoint();
    MoveOverPage(at);
    EXPECT_EQ(page->cursor().shape(), Qt::CrossCursor);
    const QColor shown = test::PixelOf(*page, at);
    ASSERT_GT(shown.saturation(), 40) << "the wheel is painted at this point";
    PressPage(at);
    EXPECT_EQ(state->profile.LightColor[4].red, shown.red());
    EXPECT_EQ(state->profile.LightColor[4].green, shown.green());
    EXPECT_EQ(state->profile.LightColor[4].blue, shown.blue());
    EXPECT_EQ(state->profile.nLightColorSource[4], 1);
    EXPECT_EQ(page->ValueBox(1)->text(), QString::number(shown.green()));
    EXPECT_EQ(page->Slider(lp::kBlueSliderId)->GetPos(), shown.blue());

    // Outside the ellipse, inside its rectangle: no colour.
    const RgbColor before = Colour(4);
    PressPage({Layout().wheel.left + 2, Layout().wheel.top + 2});
    EXPECT_EQ(Colour(4), before);

    Click(page->EffectRadio(3));
    MoveOverPage(at);
    EXPECT_NE(page->cursor().shape(), Qt::CrossCursor);
    PressPage(at);
    EXPECT_EQ(Colour(4), before);
}

TEST_P(LightingPageTest, SlidersStoreTheirValues) {
    Click(page->EffectRadio(1));
    Click(page->Swatch(1));
    CPngHSliderBar* green = page->Slider(lp::kGreenSliderId);
    // The far right of the shortened track is 255.
    Click(green, {green->width() - lp::kColourTrackShortening, green->height() / 2});
    EXPECT_EQ(state->profile.LightColor[4].green, 255);
    EXPECT_EQ(state->profile.LightColor[4].red, 250);
    EXPECT_EQ(state->profile.nLightColorSource[4], 1);
    EXPECT_FALSE(page->Swatch(1)->GetChecked());
    EXPECT_EQ(page->ValueBox(1)->text(), QStringLiteral("255"));

    CPngHSliderBar* brightness = page->Slider(lp::kBrightnessSliderId);
    Click(brightness, {brightness->width() - 1, brightness->height() / 2});
    EXPECT_EQ(state->profile.nLightParam1, 10);
    // Disabled sliders are faded and ignore the mouse.
    CPngHSliderBar* breathing = page->Slider(lp::kBreathingSliderId);
    EXPECT_NE(breathing->graphicsEffect(), nullptr);
    EXPECT_NE(breathing->Thumb().graphicsEffect(), nullptr);
    EXPECT_EQ(brightness->graphicsEffect(), nullptr);
    EXPECT_EQ(brightness->Thumb().graphicsEffect(), nullptr);
    Click(breathing, {breathing->width() - 1, breathing->height() / 2});
    EXPECT_EQ(state->profile.nLightParam2, 3);
}

TEST_P(LightingPageTest, ValueBoxesTakeDigitsOnlyAndOnlyDisplay) {
    for (int c = 0; c < lp::kChannelCount; ++c) {
        CBitmapEdit* box = page->ValueBox(c);
        EXPECT_FALSE(box->isEnabled());
        ASSERT_NE(box->validator(), nullptr);
        QString text = QStringLiteral("1a");
        int cursor = 0;
        EXPECT_EQ(box->validator()->validate(text, cursor), QValidator::Invalid);
        text = QStringLiteral("300");
        EXPECT_NE(box->validator()->validate(text, cursor), QValidator::Acceptable);
    }
}

TEST_P(LightingPageTest, HintsFollowTheCursor) {
    const lp::Layout& l = Layout();
    const auto centre = [](const LayoutRect& r) { return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); };
    EXPECT_EQ(HintsAt(centre(l.effects[1])), std::vector<intptr_t>{29});
    EXPECT_EQ(HintsAt(centre(l.brightnessSlider)), std::vector<intptr_t>{32});
    EXPECT_EQ(HintsAt(centre(l.colourSliders[2])), std::vector<intptr_t>{39});
    EXPECT_EQ(HintsAt(centre(l.currentColour)), std::vector<intptr_t>{83});
    EXPECT_EQ(HintsAt({l.titles[0].left + 3, l.titles[0].top + 3}), std::vector<intptr_t>{75});
    EXPECT_TRUE(HintsAt(centre(l.colourButtons[3])).empty());
    EXPECT_TRUE(HintsAt(centre(l.touch[0])).empty());
    // The grown rectangle reaches one pixel beyond the control.
    EXPECT_EQ(HintsAt({l.effects[0].left - 1, l.effects[0].top}), std::vector<intptr_t>{31});

    EXPECT_EQ(HintsAt(centre(l.ownColours)), std::vector<intptr_t>{34});
    Click(page->EffectRadio(5));
    Click(page->OwnColoursBox());
    // A move over a control reaches the page as a message from the control.
    mainWindow.messages.clear();
    SendMessageTo(page.get(), {WM_MOUSEMOVE, 0, MakeLParam(centre(l.ownColours).x(), centre(l.ownColours).y())});
    Flush();
    ASSERT_EQ(mainWindow.Received(UM_SHOW_HINT).size(), 1u);
    EXPECT_EQ(mainWindow.Received(UM_SHOW_HINT)[0].lParam, 35);
}

TEST_P(LightingPageTest, TooltipsComeFromTheLanguage) {
    EXPECT_EQ(page->EffectRadio(1)->toolTip(), Text("str_led_brealways"));
    EXPECT_EQ(page->EffectRadio(4)->toolTip(), Text("str_ledspe"));
    EXPECT_EQ(page->ColourButton(2)->toolTip(), Text("str_multicolor2"));
    EXPECT_EQ(page->CurrentColourButton()->toolTip(), Text("str_choose_color"));
    EXPECT_EQ(page->TouchRadio(0)->toolTip(), Text("str_led_body_off"));
    strings.LoadLanguageFile(LanguageFilePath(Program(), kLanguageSimplifiedChinese));
    page->Relabel();
    EXPECT_EQ(page->EffectRadio(1)->toolTip(), Text("str_led_brealways"));
    EXPECT_NE(page->EffectRadio(1)->toolTip(), QStringLiteral("Steady light"));
}

TEST_P(LightingPageTest, CaptionsFollowTheLanguageInEitherLayout) {
    const auto places = lp::CaptionsFor(GetParam());
    strings.LoadLanguageFile(LanguageFilePath(Program(), kLanguageEnglish));
    page->Relabel();
    QStringList english = test::CaptionTexts(places, strings);
    QStringList drawn = DrawnCaptions(*page);
    english.sort();
    drawn.sort();
    EXPECT_EQ(drawn, english);
    EXPECT_TRUE(drawn.contains(QStringLiteral("Steady light")));

    strings.LoadLanguageFile(LanguageFilePath(Program(), test::LanguageNumberOf("ger.xml")));
    page->Relabel();
    QStringList german = test::CaptionTexts(places, strings);
    drawn = DrawnCaptions(*page);
    german.sort();
    drawn.sort();
    EXPECT_EQ(drawn, german);
    EXPECT_TRUE(drawn.contains(QStringLiteral("Dauerleuchten")));
    for (const QString& text : english) {
        if (!german.contains(text)) EXPECT_FALSE(drawn.contains(text)) << text.toStdString();
    }
}

TEST_P(LightingPageTest, CaptionsAreDrawnByTheirControlsOrClearOfThem) {
    EXPECT_EQ(test::CoveredCaptions(*page, lp::CaptionsFor(GetParam()), strings), std::vector<std::string>{});
    // The choices draw their own captions, in their own state.
    EXPECT_EQ(page->EffectRadio(1)->Caption().text, QStringLiteral("Steady light"));
    EXPECT_EQ(page->TouchRadio(2)->Caption().text, QStringLiteral("Touch lighting on, mode 2"));
    EXPECT_EQ(page->OwnColoursBox()->Caption().text, QStringLiteral("Own colours"));
    // The page paints its headings and labels itself.
    EXPECT_EQ(page->Captions().OnOwner().size(), 9u);
}

TEST_P(LightingPageTest, RefreshShowsALoadedProfile) {
    state->profile.nLightMode = 5;
    state->profile.nLightOption = 1;
    state->profile.LightColor[1] = ToLightColorBytes({0x00, 0xFF, 0x00});
    state->profile.nTouchMode = 0;
    page->RefreshFromProfile();
    EXPECT_TRUE(page->EffectRadio(5)->GetChecked());
    EXPECT_TRUE(page->OwnColoursBox()->GetChecked());
    EXPECT_TRUE(page->TouchRadio(0)->GetChecked());
    EXPECT_EQ(page->ColourButton(2)->GetColour(), QColor(0x00, 0xFF, 0x00));
    EXPECT_TRUE(page->Swatch(3)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Layouts, LightingPageTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("Chinese") : std::string("Other");
                         });

}  // namespace
}  // namespace oryn7px
