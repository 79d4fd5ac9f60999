#pragma once
// The program's built-in texts that are not in the language files: Simplified Chinese and
// English pairs, chosen by bChinese at the moment they are shown. The boxes' own captions are
// in the language files.
#include <string>
#include <string_view>

namespace oryn7px {

// "Tavik ORYN7PX Gaming Mouse Driver": window title, tray tip and balloon text.
std::u16string MainWindowTitle();
std::u16string InfoBoxWindowTitle();      // "TavikORYN7PXInfoDlg"
std::u16string ProgressWindowTitle();     // "TavikORYN7PXProcessDlg"
std::u16string ProgramsWindowTitle();     // "TavikORYN7PXProgramsDlg"

std::u16string MouseNotFoundText(bool chinese);
std::u16string MouseFoundText(bool chinese);

// The OK button's caption with the seconds left: "OK (5s)", "确定 (5s)".
std::u16string CountDownOkText(std::u16string_view ok, int seconds);
std::u16string AutostartFailedText(bool chinese);

}  // namespace oryn7px
