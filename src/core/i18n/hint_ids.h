#pragma once
// What the main window's hint bar shows for a hint ID posted with UM_SHOW_HINT.
#include <string_view>

namespace oryn7px {

inline constexpr int kHintClear = 99;

struct HintTarget {
    enum class Kind { None, LanguageKey, ButtonName, Clear };
    Kind kind = Kind::None;
    std::string_view key;  // for LanguageKey
    int button = 0;        // for ButtonName: 0..6, the first seven buttons
};

// IDs 1..90 name a language key, except 19..25 which name buttons 0..6; 99 clears the bar;
// any other ID shows nothing.
HintTarget HintForId(int hintId);

}  // namespace oryn7px
