#pragma once
// The desktop entry that starts the program hidden in the tray when the user logs in.
#include <string>
#include <string_view>

namespace oryn7px {

inline constexpr const char* kStartHiddenOption = "--hidden";

// A freedesktop.org desktop entry whose Exec line runs `program` with --hidden.
std::string AutostartEntryText(std::string_view program);

// One argument of an Exec line, quoted when it needs to be, escaped for the entry's string type.
std::string ExecArgument(std::string_view argument);

}  // namespace oryn7px
