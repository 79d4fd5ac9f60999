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

std::filesystem::path StatisticsPathOf(const std::filesystem::path& dataFolder) { return dataFolder / "Sts.cfg"; }

std::filesystem::path ProgramRulesPathOf(const std::filesystem::path& dataFolder) {
    return dataFolder / "ProgramRules.ini";
}

std::filesystem::path ReplaceJournalOf(const std::filesystem::path& dataFolder) {
    return dataFolder / "Replace.journal";
}

namespace {

constexpr int kMaxKeptCopies = 1000;

std::filesystem::path RejectedName(const std::filesystem::path& path, int n) {
    std::filesystem::path kept = path;
    return kept += n == 1 ? std::string(".invalid") : ".invalid." + std::to_string(n);
}

// The first n whose name is free; anything at a name, a dangling link included, takes it.
int FirstFreeRejectedNumber(const std::filesystem::path& path) {
    int n = 1;
    std::error_code ec;
    while (n <= kMaxKeptCopies &&
           std::filesystem::symlink_status(RejectedName(path, n), ec).type() != std::filesystem::file_type::not_found)
        ++n;
    return n;
}

}  // namespace

std::optional<std::filesystem::path> RejectedFileName(const std::filesystem::path& path) {
    const int free = FirstFreeRejectedNumber(path);
    if (free > kMaxKeptCopies) return std::nullopt;
    return RejectedName(path, free);
}

std::optional<std::filesystem::path> NewestRejectedFile(const std::filesystem::path& path) {
    const int free = FirstFreeRejectedNumber(path);
    if (free == 1) return std::nullopt;
    return RejectedName(path, free - 1);
}

bool IsOwnDataFile(const std::filesystem::path& dataFolder, const std::filesystem::path& file) {
    std::vector<std::filesystem::path> own{IndexPathOf(dataFolder), MacroPathOf(dataFolder), LanguagePathOf(dataFolder),
                                           StatisticsPathOf(dataFolder), ProgramRulesPathOf(dataFolder),
                                           ReplaceJournalOf(dataFolder)};
    for (int k = 0; k < kProfileCount; ++k) own.push_back(ProfilePathOf(dataFolder, k));
    std::error_code ec;
    const std::filesystem::path place = std::filesystem::weakly_canonical(file, ec);
    for (const std::filesystem::path& ownFile : own) {
        if (std::filesystem::equivalent(file, ownFile, ec)) return true;
        // A data file not made yet still has its place.
        if (!place.empty() && place == std::filesystem::weakly_canonical(ownFile, ec)) return true;
    }
    return false;
}

void FinishInterruptedReplacement(FileWriter& writer, const std::filesystem::path& dataFolder) {
    std::vector<std::filesystem::path> targets{IndexPathOf(dataFolder), MacroPathOf(dataFolder)};
    for (int k = 0; k < kProfileCount; ++k) targets.push_back(ProfilePathOf(dataFolder, k));
    writer.FinishReplacement(ReplaceJournalOf(dataFolder), targets);
}

}  // namespace oryn7px
