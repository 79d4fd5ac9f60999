#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/pages/lighting_page/lighting_page_model.h"
#include "core/settings/light_color.h"
#include "core/settings/settings_state.h"

namespace oryn7px {
namespace {

namespace lp = lighting_page;

class LightingModelTest : public ::testing::Test {
protected:
    void SetUp() override { BuildDefaultProfile(profile, false); }

    const LightingView& View() const { return model.View(); }
    int CheckedEffect() const {
        for (int e = 1; e <= lp::kEffectCount; ++e)
            if (View().effectChecked[static_cast<std::size_t>(e - 1)]) return e;
        return 0;
    }
    int CheckedSwatch() const {
        for (int k = 0; k < kLightPresetCount; ++k)
            if (View().swatchChecked[static_cast<std::size_t>(k)]) return k;
        return -1;
    }
    int CheckedTouch() const {
        for (int t = 0; t < lp::kTouchChoiceCount; ++t)
            if (View().touchChecked[static_cast<std::size_t>(t)]) return t;
        return -1;
    }
    RgbColor Colour(int i) const { return ToRgbColor(profile.LightColor[i]); }

    ProfileData profile{};
    LightingPageModel model{profile};
};

// What a refresh shows for each effect (with the own-colours setting of effect 5).
TEST_F(LightingModelTest, RefreshFollowsTheEffectTable) {
    struct Row {
        int effect;
        int option;
        bool breathing, brightness, own, cycle;
        int index;
        bool wheel;  // also: swatches and colour sliders enabled (edit-on)
    };
    const Row rows[] = {
        {1, 0, false, true, false, false, 4, true},  {2, 0, true, false, false, false, 4, true},
        {3, 0, false, false, false, false, 5, false}, {4, 0, false, false, false, false, 5, false},
        {5, 0, false, false, true, true, 5, false},   {5, 1, false, false, true, false, 0, true},
        {6, 0, false, false, false, false, 5, false}, {1, 1, false, true, false, false, 4, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "effect " << r.effect << " option " << r.option);
        profile.nLightMode = r.effect;
        profile.nLightOption = r.option;
        model.RefreshLighting();
        EXPECT_EQ(CheckedEffect(), r.effect);
        EXPECT_EQ(std::count(View().effectChecked.begin(), View().effectChecked.end(), true), 1);
        EXPECT_EQ(View().breathingEnabled, r.breathing);
        EXPECT_EQ(View().brightnessEnabled, r.brightness);
        EXPECT_EQ(View().ownColoursEnabled, r.own);
        EXPECT_EQ(View().cycleSpeedEnabled, r.cycle);
        EXPECT_EQ(View().editedIndex, r.index);
        EXPECT_EQ(View().wheelEnabled, r.wheel);
        EXPECT_EQ(View().swatchesEnabled, r.wheel);
        EXPECT_EQ(View().colourSlidersEnabled, r.wheel);
        EXPECT_EQ(View().ownColoursChecked, r.option == 1);
        EXPECT_EQ(View().rgb, Colour(r.index < 5 ? r.index : kSingleColourIndex));
    }
}

TEST_F(LightingModelTest, AnEffectOutsideOneToSixChangesNoControl) {
    profile.nLightMode = 2;
    model.RefreshLighting();
    const LightingView before = View();
    for (int effect : {0, 7, -1, 0x7FFFFFFF}) {
        profile.nLightMode = effect;
        model.RefreshLighting();
        EXPECT_EQ(View().effectChecked, before.effectChecked) << effect;
        EXPECT_EQ(View().editedIndex, before.editedIndex) << effect;
        EXPECT_EQ(View().wheelEnabled, before.wheelEnabled) << effect;
        EXPECT_EQ(View().breathingEnabled, before.breathingEnabled) << effect;
        EXPECT_EQ(View().swatchesEnabled, before.swatchesEnabled) << effect;
    }
}

TEST_F(LightingModelTest, TouchRadiosFollowTheTouchModeAndIgnoreOtherValues) {
    const struct {
        int32_t touchMode;
        int checked;
    } rows[] = {{0, 0}, {1, 1}, {2, 2}, {5, 2}, {-1, 2}, {1, 1}, {3, 1}};
    for (const auto& r : rows) {
        profile.nTouchMode = r.touchMode;
        model.RefreshLighting();
        EXPECT_EQ(CheckedTouch(), r.checked) << r.touchMode;
        EXPECT_EQ(std::count(View().touchChecked.begin(), View().touchChecked.end(), true), 1);
    }
    EXPECT_TRUE(model.SetTouch(0));
    EXPECT_EQ(profile.nTouchMode, 0);
    EXPECT_EQ(CheckedTouch(), 0);
}

TEST_F(LightingModelTest, EffectClicksStoreTheEffectAndChooseTheEditedColour) {
    const struct {
        int effect;
        bool ownChecked;
        int index;
    } rows[] = {{4, false, 5}, {3, false, 5}, {6, false, 5}, {2, false, 4},
                {1, false, 4}, {5, false, 5}, {5, true, 0}, {1, true, 4}};
    for (const auto& r : rows) {
        profile.nLightOption = r.ownChecked ? 1 : 0;
        model.RefreshLighting();
        model.SetEffect(r.effect);
        EXPECT_EQ(profile.nLightMode, r.effect);
        EXPECT_EQ(View().editedIndex, r.index) << r.effect;
        EXPECT_EQ(CheckedEffect(), r.effect);
    }
}

TEST_F(LightingModelTest, SteadyLightEditsTheSingleColourOnly) {
    model.SetEffect(1);
    const ProfileData before = profile;
    model.ClickColourButton(2);
    EXPECT_EQ(View().editedIndex, 4);
    EXPECT_EQ(std::memcmp(&before, &profile, sizeof profile), 0);

    model.ClickSwatch(3);
    EXPECT_EQ(Colour(4), (RgbColor{0xF9, 0xED, 0x00}));
    EXPECT_EQ(View().buttonColours[4], (RgbColor{0xF9, 0xED, 0x00}));
    EXPECT_EQ(CheckedSwatch(), 3);
    ASSERT_TRUE(model.WheelPressed({0x56, 0x34, 0x12}));
    EXPECT_EQ(Colour(4), (RgbColor{0x56, 0x34, 0x12}));
    EXPECT_EQ(profile.nLightColorSource[4], 1);
    EXPECT_EQ(View().buttonColours[4], (RgbColor{0x56, 0x34, 0x12}));
    EXPECT_EQ(View().rgb, (RgbColor{0x56, 0x34, 0x12}));
    EXPECT_EQ(CheckedSwatch(), 3) << "swatches keep their state until the next refresh";
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Colour(k), (RgbColor{0xFF, 0x00, 0x00})) << k;
}

TEST_F(LightingModelTest, OwnColoursBoxSwitchesColourCycleBetweenSpeedAndColours) {
    model.SetEffect(5);
    EXPECT_FALSE(View().swatchesEnabled);
    EXPECT_FALSE(View().wheelEnabled);
    EXPECT_FALSE(View().colourSlidersEnabled);
    EXPECT_TRUE(View().cycleSpeedEnabled);
    EXPECT_TRUE(View().ownColoursEnabled);
    EXPECT_FALSE(model.WheelPressed({0xFF, 0xFF, 0xFF}));

    EXPECT_TRUE(model.SetOwnColours(true));
    EXPECT_EQ(profile.nLightOption, 1);
    EXPECT_TRUE(View().ownColoursChecked);
    EXPECT_FALSE(View().cycleSpeedEnabled);
    EXPECT_TRUE(View().ownColoursEnabled);
    EXPECT_EQ(View().editedIndex, 0);
    EXPECT_TRUE(View().wheelEnabled);

    model.ClickColourButton(3);
    EXPECT_EQ(View().editedIndex, 2);
    model.SetOwnColours(false);
    EXPECT_EQ(profile.nLightOption, 0);
    EXPECT_EQ(View().editedIndex, 5);
    EXPECT_EQ(View().rgb, Colour(kSingleColourIndex));
}

TEST_F(LightingModelTest, SwatchTwelveForColourTwoIsStoredAndShownChecked) {
    model.SetEffect(5);
    model.SetOwnColours(true);
    model.ClickColourButton(2);
    model.ClickSwatch(12);
    EXPECT_EQ(Colour(1), (RgbColor{0x24, 0x00, 0xF8}));
    EXPECT_EQ(profile.nLightPresetIndex[1], 12);
    EXPECT_EQ(profile.nLightColorSource[1], 0);
    model.RefreshLighting();
    EXPECT_EQ(CheckedSwatch(), 12);
    EXPECT_EQ(View().rgb, (RgbColor{36, 0, 248}));
    EXPECT_EQ(View().buttonColours[1], (RgbColor{0x24, 0x00, 0xF8}));
}

TEST_F(LightingModelTest, GreenSliderChangesOneChannelOfTheEditedColour) {
    model.SetEffect(1);
    model.ClickSwatch(1);
    ASSERT_EQ(CheckedSwatch(), 1);
    model.SetColourChannel(ColorChannel::kGreen, 128);
    EXPECT_EQ(profile.LightColor[4].red, 250);
    EXPECT_EQ(profile.LightColor[4].green, 128);
    EXPECT_EQ(profile.LightColor[4].blue, 0);
    EXPECT_EQ(profile.nLightColorSource[4], 1);
    EXPECT_EQ(CheckedSwatch(), -1);
    EXPECT_EQ(View().rgb, (RgbColor{250, 128, 0}));
    EXPECT_EQ(View().buttonColours[4], (RgbColor{0xFA, 0x80, 0x00}));
}

TEST_F(LightingModelTest, WithoutAnEditedColourSwatchSliderAndWheelChangeNoColour) {
    for (int effect : {3, 4, 6}) {
        model.SetEffect(effect);
        const ProfileData before = profile;
        model.ClickSwatch(7);
        EXPECT_FALSE(model.WheelPressed({0xEF, 0xCD, 0xAB}));
        model.SetColourChannel(ColorChannel::kBlue, 77);
        EXPECT_EQ(std::memcmp(&before, &profile, sizeof profile), 0) << effect;
        EXPECT_EQ(View().rgb.blue, 77) << "only the shown number changes";
        EXPECT_FALSE(View().wheelEnabled);
    }
}

TEST_F(LightingModelTest, EffectSlidersStoreTheirParameters) {
    const struct {
        const char* name;
        bool (LightingPageModel::*set)(int);
        int32_t ProfileData::*field;
        int LightingView::*shown;
    } rows[] = {{"brightness", &LightingPageModel::SetBrightness, &ProfileData::nLightParam1, &LightingView::brightnessPos},
                {"breathing", &LightingPageModel::SetBreathingSpeed, &ProfileData::nLightParam2, &LightingView::breathingPos},
                {"cycle", &LightingPageModel::SetCycleSpeed, &ProfileData::nLightParam5, &LightingView::cycleSpeedPos}};
    for (const auto& r : rows) {
        EXPECT_TRUE((model.*r.set)(3)) << r.name;
        EXPECT_EQ(profile.*r.field, 3) << r.name;
        EXPECT_EQ(View().*r.shown, 3) << r.name;
    }
    profile.nLightParam1 = 9;
    model.RefreshLighting();
    EXPECT_EQ(View().brightnessPos, 9);
}

TEST_F(LightingModelTest, RequestsOutsideTheirRangeAreRefusedAndChangeNothing) {
    model.SetEffect(1);
    const struct {
        const char* what;
        bool (LightingPageModel::*request)(int);
        int value;
    } rows[] = {{"effect 0", &LightingPageModel::SetEffect, 0},
                {"effect 7", &LightingPageModel::SetEffect, 7},
                {"touch -1", &LightingPageModel::SetTouch, -1},
                {"touch 3", &LightingPageModel::SetTouch, 3},
                {"brightness 0", &LightingPageModel::SetBrightness, 0},
                {"brightness 11", &LightingPageModel::SetBrightness, 11},
                {"breathing speed 6", &LightingPageModel::SetBreathingSpeed, 6},
                {"cycle speed 0", &LightingPageModel::SetCycleSpeed, 0},
                {"cycle speed 4", &LightingPageModel::SetCycleSpeed, 4},
                {"swatch 26", &LightingPageModel::ClickSwatch, 26},
                {"swatch -1", &LightingPageModel::ClickSwatch, -1},
                {"colour button 5", &LightingPageModel::ClickColourButton, 5}};
    const ProfileData before = profile;
    for (const auto& r : rows) {
        EXPECT_FALSE((model.*r.request)(r.value)) << r.what;
        EXPECT_EQ(std::memcmp(&before, &profile, sizeof profile), 0) << r.what;
    }
    EXPECT_FALSE(model.SetOwnColours(true)) << "own colours belong to effect 5";
    EXPECT_EQ(profile.nLightOption, 0);
}

TEST_F(LightingModelTest, AWholeColourIsStoredForTheEditedEntryAndUnchecksTheSwatches) {
    model.SetEffect(5);
    model.SetOwnColours(true);
    ASSERT_TRUE(model.ClickColourButton(4));
    model.ClickSwatch(2);
    model.SetColour({0x12, 0x34, 0x56});
    EXPECT_EQ(Colour(3), (RgbColor{0x12, 0x34, 0x56}));
    EXPECT_EQ(profile.LightColor[3].zero, 0);
    EXPECT_EQ(profile.nLightColorSource[3], 1);
    EXPECT_EQ(View().buttonColours[3], (RgbColor{0x12, 0x34, 0x56}));
    EXPECT_EQ(View().rgb, (RgbColor{0x12, 0x34, 0x56}));
    EXPECT_EQ(CheckedSwatch(), -1);
    EXPECT_EQ(Colour(4), (RgbColor{0xFF, 0x00, 0x00})) << "the single colour stays";
}

TEST_F(LightingModelTest, PresetIndexOutsideThePaletteIsResetOnRefresh) {
    const struct {
        int32_t stored;
        int32_t source;
        int32_t after;
        int checked;
    } rows[] = {{26, 0, 0, 0}, {1000, 0, 0, 0}, {-3, 0, 0, 0}, {25, 0, 25, 25}, {40, 1, 40, -1}};
    for (const auto& r : rows) {
        profile.nLightMode = 2;
        profile.nLightPresetIndex[4] = r.stored;
        profile.nLightColorSource[4] = r.source;
        model.RefreshLighting();
        EXPECT_EQ(profile.nLightPresetIndex[4], r.after) << r.stored;
        EXPECT_EQ(CheckedSwatch(), r.checked) << r.stored;
    }
}

TEST_F(LightingModelTest, AProfileLoadedWithOwnColoursShowsThemAtTheFirstRefresh) {
    profile.nLightMode = 5;
    profile.nLightOption = 1;
    profile.LightColor[0] = ToLightColorBytes({0x00, 0xFF, 0x00});
    model.RefreshLighting();
    EXPECT_TRUE(View().ownColoursChecked);
    EXPECT_EQ(View().editedIndex, 0);
    EXPECT_TRUE(View().wheelEnabled);
    EXPECT_FALSE(View().cycleSpeedEnabled);
    EXPECT_EQ(View().rgb, (RgbColor{0, 255, 0}));
    EXPECT_EQ(model.OwnColoursHint(), lp::kOwnColoursHintChecked);
    model.SetOwnColours(false);
    EXPECT_EQ(model.OwnColoursHint(), lp::kOwnColoursHintUnchecked);
}

TEST(LightPresets, StoredValuesCarryTheirRedGreenBlue) {
    const std::array<std::array<int, 3>, kLightPresetCount> rgb{{
        {250, 5, 126}, {250, 18, 0},   {248, 121, 1},  {249, 237, 0},  {193, 240, 9},  {39, 249, 0},
        {24, 164, 42}, {19, 231, 147}, {13, 233, 223}, {1, 193, 250},  {5, 142, 250},  {0, 111, 249},
        {36, 0, 248},  {90, 24, 227},  {127, 27, 226}, {193, 24, 226}, {230, 250, 84}, {0, 185, 48},
        {250, 99, 125}, {196, 59, 35}, {222, 3, 22},   {23, 122, 173}, {0, 185, 18},   {74, 90, 192},
        {111, 78, 238}, {1, 84, 185},
    }};
    for (int k = 0; k < kLightPresetCount; ++k) {
        const RgbColor preset = kLightPresets[static_cast<std::size_t>(k)];
        EXPECT_EQ((std::array<int, 3>{preset.red, preset.green, preset.blue}), rgb[k]) << "swatch " << k;
        EXPECT_EQ(ToRgbColor(ToLightColorBytes(preset)), preset) << "swatch " << k;
    }
}

TEST(LightingLayout, SwatchesSitInRowsOfSevenWithTheMinusOneRule) {
    const struct {
        bool chinese;
        int k;
        LayoutRect rect;
    } rows[] = {
        {true, 0, {140, 256, 171, 289}},  {true, 4, {300, 256, 331, 289}},  {true, 5, {339, 256, 370, 289}},
        {true, 7, {140, 297, 171, 330}},  {true, 25, {300, 379, 331, 412}}, {false, 0, {177, 258, 208, 290}},
        {false, 6, {416, 258, 447, 290}}, {false, 12, {376, 299, 407, 331}}, {false, 21, {177, 381, 208, 413}},
    };
    for (const auto& r : rows) {
        const LayoutRect got = lp::SwatchRect(lp::LayoutFor(r.chinese), r.k);
        EXPECT_EQ((std::array{got.left, got.top, got.right, got.bottom}),
                  (std::array{r.rect.left, r.rect.top, r.rect.right, r.rect.bottom}))
            << (r.chinese ? "Chinese " : "other ") << r.k;
    }
}

TEST(LightingLayout, TheWheelIsTheEllipseInsideItsRectangle) {
    const struct {
        int x, y;
        bool inside;
    } rows[] = {{831, 323, true}, {772, 323, true}, {890, 323, true}, {831, 265, true}, {831, 382, true},
                {771, 264, false}, {890, 382, false}, {780, 280, false}, {770, 323, false}, {831, 385, false}};
    for (bool chinese : {true, false})
        for (const auto& r : rows)
            EXPECT_EQ(lp::InsideWheel(lp::LayoutFor(chinese), r.x, r.y), r.inside) << r.x << "," << r.y;
}

}  // namespace
}  // namespace oryn7px
