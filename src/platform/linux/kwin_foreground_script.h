#pragma once
// The script KWin runs for the program: it reports the active window and the windows there are,
// as JSON, to a method of the program's on the session bus.
#include <string>

namespace oryn7px {

inline constexpr const char* kKWinReportPath = "/com/tavik/oryn7px/Foreground";
inline constexpr const char* kKWinReportInterface = "com.tavik.oryn7px.Foreground";
inline constexpr const char* kKWinReportMethod = "Report";

// The script's text, reporting to `busName` (the program's own connection, ":1.42"). Runs on
// KWin 5 (workspace.clientActivated) and KWin 6 (workspace.windowActivated). Its report:
// {"active": {"class": "firefox", "pid": 1234, "caption": "..."} or null, "windows": [...]}.
std::string KWinForegroundScript(const std::string& busName);

}  // namespace oryn7px
