#include "core/app/data_folder.h"

namespace oryn7px {

std::u16string FolderOfExecutable(std::u16string_view executablePath) {
    const std::size_t slash = executablePath.rfind(u'\\');
    if (slash == std::u16string_view::npos) return {};
    return std::u16string(executablePath.substr(0, slash));
}

std::u16string WindowsDataFolder(std::u16string_view programFolder, std::u16string_view systemDirectory,
                                 std::u16string_view localAppData) {
    // An empty path reads as a terminating zero, as the first unit of an empty C string would.
    const char16_t programDrive = programFolder.empty() ? u'\0' : programFolder.front();
    const char16_t systemDrive = systemDirectory.empty() ? u'\0' : systemDirectory.front();
    if (programDrive == systemDrive) return std::u16string(localAppData) + u"\\TAVIK\\ORYN7PX";
    return std::u16string(programFolder);
}

}  // namespace oryn7px
