#pragma once
// What an installation puts into a new data folder, so that the first start finds every file it
// reads and has nothing to complain about.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/interfaces/file_writer.h"

namespace oryn7px {

// Writes, each atomically: Profile/ConfigInfo.cfg (five valid entries, the first one active),
// Profile/Profile1.cfg .. Profile5.cfg (the default profile, button names in Simplified Chinese
// when `languageNumber` is 1), an empty Macro.cfg, Language.cfg holding `languageNumber` and a
// zeroed Sts.cfg. Returns why each file that could not be written was not (its path and cause).
std::vector<Error> FillFreshDataFolder(const std::filesystem::path& dataFolder, FileWriter& writer,
                                                       int32_t languageNumber);

}  // namespace oryn7px
