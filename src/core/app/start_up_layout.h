#pragma once
// The layout the window starts in; it stays for the whole run.
#include <cstdint>
#include <optional>

namespace oryn7px {

// An installer-written skins/languagetype.ini decides when it is there (value 1: the Chinese
// layout). Without one the user's own language number decides, so one package serves every user
// of a machine: Simplified Chinese starts in the Chinese layout, every other number in the other.
bool StartsInChineseLayout(std::optional<int> languageTypeValue, int32_t languageNumber);

}  // namespace oryn7px
