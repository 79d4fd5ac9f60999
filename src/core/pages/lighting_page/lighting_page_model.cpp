#include "core/pages/lighting_page/lighting_page_model.h"

#include "core/settings/light_color.h"

namespace oryn7px {

namespace {

bool EditsAColour(int index) { return index >= 0 && index <= kSingleColourIndex; }

}  // namespace

void LightingPageModel::RefreshLighting() {
    // The box follows the profile before the effect table reads it: a profile just loaded with
    // own colours then shows them at once, not only after a second refresh.
    view_.ownColoursChecked = profile_.nLightOption == 1;

    const int effect = profile_.nLightMode;
    if (effect >= 1 && effect <= lighting_page::kEffectCount) {
        view_.effectChecked = {};
        view_.effectChecked[static_cast<std::size_t>(effect - 1)] = true;
        view_.breathingEnabled = effect == kEffectBreathing;
        view_.brightnessEnabled = effect == kEffectSteady;
        view_.ownColoursEnabled = effect == kEffectColourCycle;
        view_.cycleSpeedEnabled = effect == kEffectColourCycle && !view_.ownColoursChecked;
        bool editing = false;
        if (effect == kEffectSteady || effect == kEffectBreathing) {
            view_.editedIndex = kSingleColourIndex;
            editing = true;
        } else if (effect == kEffectColourCycle && view_.ownColoursChecked) {
            if (view_.editedIndex >= kSingleColourIndex) view_.editedIndex = 0;
            editing = true;
        }
        view_.wheelEnabled = editing;
        if (editing) EditOn();
        else EditOff();
    }

    const int touch = profile_.nTouchMode;
    if (touch >= 0 && touch < lighting_page::kTouchChoiceCount) {
        view_.touchChecked = {};
        view_.touchChecked[static_cast<std::size_t>(touch)] = true;
    }

    view_.breathingPos = profile_.nLightParam2;
    view_.brightnessPos = profile_.nLightParam1;
    view_.cycleSpeedPos = profile_.nLightParam5;

    view_.swatchChecked = {};
    const int i = view_.editedIndex;
    if (EditsAColour(i) && profile_.nLightColorSource[i] == 0) {
        // A stored index outside the palette (also a negative one) would check no swatch.
        int32_t& preset = profile_.nLightPresetIndex[i];
        if (preset < 0 || preset >= kLightPresetCount) preset = 0;
        view_.swatchChecked[static_cast<std::size_t>(preset)] = true;
        view_.rgb = ToRgbColor(profile_.LightColor[i]);
    }

    for (int k = 0; k < kLightColorCount; ++k)
        view_.buttonColours[static_cast<std::size_t>(k)] = ToRgbColor(profile_.LightColor[k]);
}

void LightingPageModel::EditOn() {
    const int i = view_.editedIndex;
    if (!EditsAColour(i)) return;
    view_.swatchChecked = {};
    view_.swatchesEnabled = true;
    view_.rgb = ToRgbColor(profile_.LightColor[i]);
    view_.colourSlidersEnabled = true;
}

void LightingPageModel::EditOff() {
    view_.editedIndex = kNoEditedColour;
    view_.swatchChecked = {};
    view_.swatchesEnabled = false;
    // The disabled numbers and sliders show the current colour, not a black the page does not hold.
    view_.rgb = ToRgbColor(profile_.LightColor[kSingleColourIndex]);
    view_.colourSlidersEnabled = false;
}

bool LightingPageModel::SetEffect(int effect) {
    if (!kEffectRange.Contains(effect)) return false;
    profile_.nLightMode = effect;
    if (effect == kEffectSteady || effect == kEffectBreathing) view_.editedIndex = kSingleColourIndex;
    else if (effect == kEffectColourCycle && view_.ownColoursChecked) view_.editedIndex = 0;
    else view_.editedIndex = kNoEditedColour;
    RefreshLighting();
    return true;
}

bool LightingPageModel::SetOwnColours(bool on) {
    if (!view_.ownColoursEnabled) return false;
    view_.ownColoursChecked = on;
    profile_.nLightOption = on ? 1 : 0;
    RefreshLighting();
    return true;
}

bool LightingPageModel::ClickColourButton(int number) {
    if (!kColourButtonRange.Contains(number)) return false;
    view_.editedIndex = number - 1;
    RefreshLighting();
    return view_.editedIndex == number - 1;
}

bool LightingPageModel::SetTouch(int value) {
    if (!kTouchRange.Contains(value)) return false;
    profile_.nTouchMode = value;
    RefreshLighting();
    return true;
}

bool LightingPageModel::ClickSwatch(int k) {
    if (!kSwatchRange.Contains(k)) return false;
    const int i = view_.editedIndex;
    if (EditsAColour(i)) {
        profile_.LightColor[i] = ToLightColorBytes(kLightPresets[static_cast<std::size_t>(k)]);
        profile_.nLightPresetIndex[i] = k;
        profile_.nLightColorSource[i] = 0;
    }
    RefreshLighting();
    return true;
}

bool LightingPageModel::SetBrightness(int brightness) {
    if (!kBrightnessRange.Contains(brightness)) return false;
    profile_.nLightParam1 = brightness;
    view_.brightnessPos = brightness;
    return true;
}

bool LightingPageModel::SetBreathingSpeed(int speed) {
    if (!kBreathingSpeedRange.Contains(speed)) return false;
    profile_.nLightParam2 = speed;
    view_.breathingPos = speed;
    return true;
}

bool LightingPageModel::SetCycleSpeed(int speed) {
    if (!kCycleSpeedRange.Contains(speed)) return false;
    profile_.nLightParam5 = speed;
    view_.cycleSpeedPos = speed;
    return true;
}

void LightingPageModel::SetColourChannel(ColorChannel channel, uint8_t value) {
    const int i = view_.editedIndex;
    if (!EditsAColour(i)) {
        view_.rgb = view_.rgb.WithChannel(channel, value);
        return;
    }
    SetColour(ToRgbColor(profile_.LightColor[i]).WithChannel(channel, value));
}

void LightingPageModel::SetColour(const RgbColor& colour) {
    if (!StoreEditedColour(colour)) {
        view_.rgb = colour;
        return;
    }
    view_.swatchChecked = {};
}

bool LightingPageModel::WheelPressed(const RgbColor& colour) {
    // The swatches keep their checked state until the next refresh.
    return view_.wheelEnabled && StoreEditedColour(colour);
}

bool LightingPageModel::StoreEditedColour(const RgbColor& colour) {
    const int i = view_.editedIndex;
    if (!EditsAColour(i)) return false;
    profile_.LightColor[i] = ToLightColorBytes(colour);
    profile_.nLightColorSource[i] = 1;
    view_.rgb = colour;
    view_.buttonColours[static_cast<std::size_t>(i)] = colour;
    return true;
}

int LightingPageModel::OwnColoursHint() const {
    return view_.ownColoursChecked ? lighting_page::kOwnColoursHintChecked : lighting_page::kOwnColoursHintUnchecked;
}

}  // namespace oryn7px
