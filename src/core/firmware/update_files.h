#pragma once
// Where the update description, the firmware image and the flashing tool live.
#include <filesystem>
#include <functional>

namespace oryn7px {

// The flashing tool in the program folder; it is started in the folder that holds the image.
std::filesystem::path FlashingToolPath(const std::filesystem::path& programFolder);

// The flashing tool's only argument: "1" for the Chinese UI, else "0".
inline const char* FlasherArgument(bool chinese) { return chinese ? "1" : "0"; }

// FWUpdate/new_version below `base`.
std::filesystem::path UpdateFolderBelow(const std::filesystem::path& base);

// True when the folder exists or can be made, and a file can be created in it.
bool FolderIsWritable(const std::filesystem::path& folder);

// The program folder's update folder when it can be written, else the same below the user's
// own folder (an installed program's folder belongs to root).
std::filesystem::path ChooseUpdateFolder(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userFolder,
                                         const std::function<bool(const std::filesystem::path&)>& writable =
                                             FolderIsWritable);

struct UpdateFiles {
    std::filesystem::path folder;

    std::filesystem::path Description() const { return folder / "update.xml"; }
    std::filesystem::path Image() const { return folder / "TavikGameDevice.bin"; }
};

}  // namespace oryn7px
