#include "core/firmware/update_files.h"

#include <fstream>

namespace oryn7px {

std::filesystem::path FlashingToolPath(const std::filesystem::path& programFolder) {
    return programFolder / "FWUpdate" / "RoruziVI";
}

std::filesystem::path UpdateFolderBelow(const std::filesystem::path& base) { return base / "FWUpdate" / "new_version"; }

bool FolderIsWritable(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) return false;
    const std::filesystem::path probe = folder / ".write-probe";
    const bool created = static_cast<bool>(std::ofstream(probe, std::ios::binary | std::ios::app));
    std::filesystem::remove(probe, error);
    return created;
}

std::filesystem::path ChooseUpdateFolder(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userFolder,
                                         const std::function<bool(const std::filesystem::path&)>& writable) {
    const std::filesystem::path beside = UpdateFolderBelow(programFolder);
    return writable(beside) ? beside : UpdateFolderBelow(userFolder);
}

}  // namespace oryn7px
