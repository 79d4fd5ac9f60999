#include "core/settings/data_files.h"

#include <string>

#include "core/settings/file_records.h"

namespace oryn7px {

std::filesystem::path ProfileFolderOf(const std::filesystem::path& dataFolder) { return dataFolder / "Profile"; }

std::filesystem::path ProfilePathOf(const std::filesystem::path& dataFolder, int entry) {
    return ProfileFolderOf(dataFolder) / ("Profile" + std::to_string(entry + 1) + ".cfg");
}

std::filesystem::path IndexPathOf(const std::filesystem::path& dataFolder) {
    return ProfileFolderOf(dataFolder) / "ConfigInfo.cfg";
}

std::filesystem::path MacroPathOf(const std::filesystem::path& dataFolder) { return dataFolder / "Macro.cfg"; }

std::filesystem::path LanguagePathOf(const std::filesystem::path& dataFolder) { return dataFolder / "Language.cfg"; }

std::filesystem::path ReplaceJournalOf(const std::filesystem::path& dataFolder) {
    return dataFolder / "Replace.journal";
}

void FinishInterruptedReplacement(FileWriter& writer, const std::filesystem::path& dataFolder) {
    std::vector<std::filesystem::path> targets{IndexPathOf(dataFolder), MacroPathOf(dataFolder)};
    for (int k = 0; k < kProfileCount; ++k) targets.push_back(ProfilePathOf(dataFolder, k));
    writer.FinishReplacement(ReplaceJournalOf(dataFolder), targets);
}

}  // namespace oryn7px
