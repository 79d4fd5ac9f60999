#pragma once
// The little INI files beside the program (skins/languagetype.ini, FWUpdate/Config.ini), read
// and changed as text. Section and key names compare without regard to case, as on Windows.
#include <string>
#include <string_view>

namespace oryn7px {

// The integer value of section/key, or `fallback` when it is missing or not a number.
int ReadIniInt(std::string_view text, std::string_view section, std::string_view key, int fallback);

// The text with section/key set to value; the section is added at the end when missing, and
// every other line is kept as it was.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace oryn7px
