#pragma once
// Text from files, servers and devices is shown, never obeyed: in text output C0 controls, DEL
// and C1 controls (the 8-bit forms of ESC sequences, CSI is U+009B) appear as \xNN, the
// bidirectional controls that reorder a line (U+061C, U+200E/U+200F, U+202A..U+202E,
// U+2066..U+2069) as \uXXXX, bytes that are not UTF-8 as \xNN, and a backslash as \\. In JSON
// the same characters are \uXXXX escapes, which keep the value a reader decodes.
#include <string>
#include <string_view>

namespace oryn7px::cli {

// Line feeds stay line feeds when `keepLineFeeds` is set (message texts of several lines).
std::string EscapeForText(std::string_view utf8, bool keepLineFeeds = false);

// JSON text as dump() writes it, whose controls below U+0020 are escaped already: DEL, C1 and
// the bidirectional controls become \uXXXX too. Outside strings JSON holds only ASCII, so
// every one of them is inside a string.
std::string EscapeDumpedJson(std::string_view json);

// The one way the command line prints JSON: indented by two, bytes that are not UTF-8 replaced
// by U+FFFD (never an exception), every control escaped.
template <typename Json>
std::string JsonText(const Json& json) {
    return EscapeDumpedJson(json.dump(2, ' ', false, Json::error_handler_t::replace));
}

}  // namespace oryn7px::cli
