#pragma once
// Names and paths come from files anyone may hand over: in text output their control characters
// and escape sequences are shown as \xNN (a backslash as \\), never obeyed by the terminal.
#include <string>
#include <string_view>

namespace oryn7px::cli {

// `utf8` must be valid UTF-8 (as every conversion from the records gives). Line feeds stay line
// feeds when `keepLineFeeds` is set (message texts of several lines).
std::string EscapeForText(std::string_view utf8, bool keepLineFeeds = false);

}  // namespace oryn7px::cli
