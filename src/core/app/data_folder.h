#pragma once
// Where the data folder is on Windows, decided from what the system reports.
#include <string>
#include <string_view>

namespace oryn7px {

// The folder of an executable's full path: everything before its last backslash.
std::u16string FolderOfExecutable(std::u16string_view executablePath);

// Installed on the system drive (the first UTF-16 unit of both paths is the same, compared
// case-sensitively): <local app data>\TAVIK\ORYN7PX. Elsewhere: the program folder itself.
std::u16string WindowsDataFolder(std::u16string_view programFolder, std::u16string_view systemDirectory,
                                 std::u16string_view localAppData);

}  // namespace oryn7px
