#include "core/app/autostart_entry.h"

namespace oryn7px {

namespace {

constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

}  // namespace

std::string ExecArgument(std::string_view argument) {
    std::string quoted;
    const bool needsQuotes = argument.empty() || argument.find_first_of(kReserved) != std::string_view::npos;
    if (needsQuotes) quoted += '"';
    for (const char c : argument) {
        // Inside quotes these four take a backslash; a field code's % is doubled everywhere.
        if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\')) quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    if (needsQuotes) quoted += '"';
    // The value is a string of the entry format too: a backslash is an escape there, and a line
    // break would end the entry's line.
    std::string escaped;
    for (const char c : quoted) {
        if (c == '\\') escaped += "\\\\";
        else if (c == '\n') escaped += "\\n";
        else if (c == '\r') escaped += "\\r";
        else escaped += c;
    }
    return escaped;
}

std::string AutostartEntryText(std::string_view program) {
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=ORYN7PX Gaming Mouse\n"
                       "Comment=Starts the ORYN7PX configuration utility in the tray\n";
    text += "Exec=" + ExecArgument(program) + " " + kStartHiddenOption + "\n";
    text += "Icon=com.tavik.oryn7px\n"
            "Terminal=false\n"
            "X-GNOME-Autostart-enabled=true\n";
    return text;
}

}  // namespace oryn7px
