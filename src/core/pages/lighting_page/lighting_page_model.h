#pragma once
// The lighting page's rules without a screen: which effect, colour and touch choice a click
// stores in the profile, and what every control shows afterwards. The page widget forwards its
// clicks and slider moves here and mirrors View(); the command line edits through the same calls.
#include <array>
#include <cstdint>

#include "core/layout/lighting_page_layout.h"
#include "core/base/rgb_color.h"
#include "core/pages/lighting_page/light_presets.h"
#include "core/pages/value_range.h"
#include "core/settings/file_records.h"

namespace oryn7px {

// The edited colour index: 0..3 the own colours of effect 5, 4 the single colour, 5 none.
inline constexpr int kSingleColourIndex = 4;
inline constexpr int kNoEditedColour = 5;

inline constexpr int kEffectSteady = 1;
inline constexpr int kEffectBreathing = 2;
inline constexpr int kEffectColourCycle = 5;
inline constexpr int kEffectOff = 6;
inline constexpr ValueRange kEffectRange{1, lighting_page::kEffectCount};
inline constexpr ValueRange kTouchRange{0, lighting_page::kTouchChoiceCount - 1};
inline constexpr ValueRange kBrightnessRange{1, 10};
inline constexpr ValueRange kBreathingSpeedRange{1, 5};
inline constexpr ValueRange kCycleSpeedRange{1, 3};
inline constexpr ValueRange kChannelValueRange{0, 255};
inline constexpr ValueRange kSwatchRange{0, kLightPresetCount - 1};
inline constexpr ValueRange kColourButtonRange{1, lighting_page::kColourButtonCount};

static_assert(lighting_page::kSwatchCount == kLightPresetCount, "one swatch per preset colour");
static_assert(lighting_page::kColourButtonCount == kSingleColourIndex, "the own colours come before the single one");
static_assert(kSingleColourIndex + 1 == kLightColorCount, "the profile holds the own colours and the single one");
static_assert(lighting_page::kChannelCount == kColorChannelCount);

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
    RgbColor rgb;  // shown numbers and colour slider positions
    // Colour buttons 1..4, then the current-colour button.
    std::array<RgbColor, kLightColorCount> buttonColours{};
    bool wheelEnabled = false;
    int editedIndex = kNoEditedColour;
};

class LightingPageModel {
public:
    explicit LightingPageModel(ProfileData& profile) : profile_(profile) {}

    // Sets every control from the profile.
    void RefreshLighting();

    // Requests; each refuses (false, nothing changed) a value outside its range.
    bool SetEffect(int effect);  // 1..6, ends with a refresh
    bool SetTouch(int value);    // 0..2, ends with a refresh
    // Effect 5 only (false otherwise, nothing changed); ends with a refresh.
    bool SetOwnColours(bool on);
    bool SetBrightness(int brightness);
    bool SetBreathingSpeed(int speed);
    bool SetCycleSpeed(int speed);
    // The colour the edited entry takes: by channel (a colour slider), whole, or a preset swatch.
    // A channel moved while no colour is edited changes only the shown number.
    void SetColourChannel(ColorChannel channel, uint8_t value);
    void SetColour(const RgbColor& colour);
    bool ClickSwatch(int k);          // 0..25
    // 1..4: that own colour becomes the edited one; false when it cannot be edited now.
    bool ClickColourButton(int number);

    // A press on the wheel with the colour shown under the cursor; false when the wheel is off
    // or no colour is edited.
    bool WheelPressed(const RgbColor& colour);

    const LightingView& View() const { return view_; }
    int OwnColoursHint() const;

private:
    // Stores the colour into the edited entry and shows it; false when no colour is edited.
    bool StoreEditedColour(const RgbColor& colour);
    void EditOn();
    void EditOff();

    ProfileData& profile_;
    LightingView view_;
};

}  // namespace oryn7px
