#include "core/pages/lighting_page/lighting_page_model.h"

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
        for (int c = 0; c < lighting_page::kChannelCount; ++c)
            view_.rgb[static_cast<std::size_t>(c)] = Channel(ColourValue(profile_.LightColor[i]), c);
    }

    for (int k = 0; k < kLightColorCount; ++k)
        view_.buttonColours[static_cast<std::size_t>(k)] = ColourValue(profile_.LightColor[k]);
}

void LightingPageModel::EditOn() {
    const int i = view_.editedIndex;
    if (!EditsAColour(i)) return;
    view_.swatchChecked = {};
    view_.swatchesEnabled = true;
    for (int c = 0; c < lighting_page::kChannelCount; ++c)
        view_.rgb[static_cast<std::size_t>(c)] = Channel(ColourValue(profile_.LightColor[i]), c);
    view_.colourSlidersEnabled = true;
}

void LightingPageModel::EditOff() {
    view_.editedIndex = kNoEditedColour;
    view_.swatchChecked = {};
    view_.swatchesEnabled = false;
    view_.rgb = {};
    view_.colourSlidersEnabled = false;
}

void LightingPageModel::ClickEffect(int effect) {
    if (effect < 1 || effect > lighting_page::kEffectCount) return;
    profile_.nLightMode = effect;
    if (effect == kEffectSteady || effect == kEffectBreathing) view_.editedIndex = kSingleColourIndex;
    else if (effect == kEffectColourCycle && view_.ownColoursChecked) view_.editedIndex = 0;
    else view_.editedIndex = kNoEditedColour;
    RefreshLighting();
}

void LightingPageModel::ClickOwnColours() {
    view_.ownColoursChecked = !view_.ownColoursChecked;
    profile_.nLightOption = view_.ownColoursChecked ? 1 : 0;
    RefreshLighting();
}

void LightingPageModel::ClickColourButton(int number) {
    if (number < 1 || number > lighting_page::kColourButtonCount) return;
    view_.editedIndex = number - 1;
    RefreshLighting();
}

void LightingPageModel::ClickTouch(int value) {
    if (value < 0 || value >= lighting_page::kTouchChoiceCount) return;
    profile_.nTouchMode = value;
    RefreshLighting();
}

void LightingPageModel::ClickSwatch(int k) {
    if (k < 0 || k >= kLightPresetCount) return;
    const int i = view_.editedIndex;
    if (EditsAColour(i)) {
        profile_.LightColor[i] = ColourBytes(kLightPresets[static_cast<std::size_t>(k)]);
        profile_.nLightPresetIndex[i] = k;
        profile_.nLightColorSource[i] = 0;
    }
    RefreshLighting();
}

void LightingPageModel::SliderMoved(int controlId, int pos) {
    switch (controlId) {
        case lighting_page::kBreathingSliderId:
            profile_.nLightParam2 = pos;
            view_.breathingPos = pos;
            break;
        case lighting_page::kBrightnessSliderId:
            profile_.nLightParam1 = pos;
            view_.brightnessPos = pos;
            break;
        case lighting_page::kCycleSpeedSliderId:
            profile_.nLightParam5 = pos;
            view_.cycleSpeedPos = pos;
            break;
        case lighting_page::kRedSliderId:
        case lighting_page::kGreenSliderId:
        case lighting_page::kBlueSliderId: SetChannel(controlId - lighting_page::kRedSliderId, pos); break;
        default: break;
    }
}

void LightingPageModel::SetChannel(int channel, int value) {
    view_.rgb[static_cast<std::size_t>(channel)] = value;
    const int i = view_.editedIndex;
    if (!EditsAColour(i)) return;
    uint8_t* bytes[] = {&profile_.LightColor[i].red, &profile_.LightColor[i].green, &profile_.LightColor[i].blue};
    *bytes[channel] = static_cast<uint8_t>(value);
    view_.buttonColours[static_cast<std::size_t>(i)] = ColourValue(profile_.LightColor[i]);
    profile_.nLightColorSource[i] = 1;
    view_.swatchChecked = {};
}

bool LightingPageModel::WheelPressed(uint32_t colour) {
    const int i = view_.editedIndex;
    if (!view_.wheelEnabled || !EditsAColour(i)) return false;
    profile_.nLightColorSource[i] = 1;
    profile_.LightColor[i] = ColourBytes(colour);
    for (int c = 0; c < lighting_page::kChannelCount; ++c) view_.rgb[static_cast<std::size_t>(c)] = Channel(colour, c);
    view_.buttonColours[static_cast<std::size_t>(i)] = ColourValue(profile_.LightColor[i]);
    return true;
}

int LightingPageModel::OwnColoursHint() const {
    return view_.ownColoursChecked ? lighting_page::kOwnColoursHintChecked : lighting_page::kOwnColoursHintUnchecked;
}

}  // namespace oryn7px
