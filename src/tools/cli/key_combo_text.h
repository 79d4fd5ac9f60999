#pragma once
// Key combinations as users type them on the command line ("ctrl+a", "shift", "alt+f4"): the
// modifiers and the key as the Windows virtual keys the key tab is fed with.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace oryn7px::cli {

struct KeyComboText {
    std::vector<uint32_t> modifiers;  // virtual keys of Ctrl, Alt, Shift, Win, each at most once
    uint32_t key = 0;                 // 0 when only modifiers are given
};

// Parts joined by "+" ("plus" names the =/+ key), case-insensitive; null for an unknown name, a repeated modifier or more than one key.
std::optional<KeyComboText> ParseKeyCombo(const std::string& text);

// The names ParseKeyCombo knows besides letters, digits and f1..f12, for the help text.
std::string KnownKeyNames();

}  // namespace oryn7px::cli
