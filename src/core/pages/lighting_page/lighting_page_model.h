#pragma once
// The lighting page's rules without a screen: which effect, colour and touch choice a click
// stores in the profile, and what every control shows afterwards. The page widget forwards its
// clicks and slider moves here and mirrors View(); the command line edits through the same calls.
#include <array>
#include <cstdint>

#include "core/app/layout/lighting_page_layout.h"
#include "core/pages/lighting_page/light_presets.h"
#include "core/settings/records.h"

namespace oryn7px {

// The edited colour index: 0..3 the own colours of effect 5, 4 the single colour, 5 none.
inline constexpr int kSingleColourIndex = 4;
inline constexpr int kNoEditedColour = 5;

inline constexpr int kEffectSteady = 1;
inline constexpr int kEffectBreathing = 2;
inline constexpr int kEffectColourCycle = 5;
inline constexpr int kEffectOff = 6;

struct LightingView {
    std::array<bool, lighting_page::kEffectCount> effectChecked{};  // at [effect - 1]
    std::array<bool, lighting_page::kTouchChoiceCount> touchChecked{};  // at [touch value]
    bool breathingEnabled = false;
    bool brightnessEnabled = false;
    bool ownColoursEnabled = false;  // the own-colours box and colour buttons 1..4
    bool ownColoursChecked = false;
    bool cycleSpeedEnabled = false;
    int breathingPos = 0;
    int brightnessPos = 0;
    int cycleSpeedPos = 0;
    bool swatchesEnabled = false;
    std::array<bool, kLightPresetCount> swatchChecked{};
    bool colourSlidersEnabled = false;
    std::array<int, lighting_page::kChannelCount> rgb{};  // shown numbers and colour slider positions
    // Colour buttons 1..4, then the current-colour button.
    std::array<uint32_t, kLightColorCount> buttonColours{};
    bool wheelEnabled = false;
    int editedIndex = kNoEditedColour;
};

class LightingPageModel {
public:
    explicit LightingPageModel(ProfileData& profile) : profile_(profile) {}

    // Sets every control from the profile.
    void RefreshLighting();

    // Clicks; each ends with a refresh.
    void ClickEffect(int effect);  // 1..6
    void ClickOwnColours();
    void ClickColourButton(int number);  // 1..4
    void ClickTouch(int value);          // 0..2
    void ClickSwatch(int k);             // 0..25

    // A slider moved by the user, by its control ID.
    void SliderMoved(int controlId, int pos);
    // A press on the wheel with the colour shown under the cursor; false when the wheel is off
    // or no colour is edited.
    bool WheelPressed(uint32_t colour);

    const LightingView& View() const { return view_; }
    int OwnColoursHint() const;

private:
    void SetChannel(int channel, int value);
    void EditOn();
    void EditOff();

    ProfileData& profile_;
    LightingView view_;
};

}  // namespace oryn7px
