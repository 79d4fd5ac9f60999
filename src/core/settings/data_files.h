#pragma once
// Where each file of the data folder lives, and what the settings files share about them.
#include <filesystem>
#include <optional>
#include <vector>

#include "core/interfaces/file_writer.h"

namespace oryn7px {

std::filesystem::path ProfileFolderOf(const std::filesystem::path& dataFolder);
std::filesystem::path ProfilePathOf(const std::filesystem::path& dataFolder, int entry);
std::filesystem::path IndexPathOf(const std::filesystem::path& dataFolder);
std::filesystem::path MacroPathOf(const std::filesystem::path& dataFolder);
std::filesystem::path LanguagePathOf(const std::filesystem::path& dataFolder);
std::filesystem::path StatisticsPathOf(const std::filesystem::path& dataFolder);
// Which programs choose which profile: text, per user, written by the program and oryn7px-cli.
std::filesystem::path ProgramRulesPathOf(const std::filesystem::path& dataFolder);
// Present only while a set of files (an import, a profile with its index) is being replaced.
std::filesystem::path ReplaceJournalOf(const std::filesystem::path& dataFolder);

// Where a rejected file is kept: <name>.invalid, or <name>.invalid.2, .3, ... when earlier
// rejected files took the name; none when a thousand did.
std::optional<std::filesystem::path> RejectedFileName(const std::filesystem::path& path);
// The last rejected file kept for `path`: the one before the first free name; none when none is.
std::optional<std::filesystem::path> NewestRejectedFile(const std::filesystem::path& path);

// Whether `file` is (by identity, whatever its name, or by place) one of the data folder's own
// files, which an export must never overwrite.
bool IsOwnDataFile(const std::filesystem::path& dataFolder, const std::filesystem::path& file);

// Completes a replacement of several settings files that a crash cut short (or removes what it
// had only prepared), so the files read next are one whole set, old or new.
void FinishInterruptedReplacement(FileWriter& writer, const std::filesystem::path& dataFolder);

}  // namespace oryn7px
