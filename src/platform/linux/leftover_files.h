#pragma once
// Temporary files that a killed atomic write left beside a data file.
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace oryn7px {

// The process id in a temporary name of LinuxFileWriter ("<file>.tmp-<pid>-<n>"); nullopt for
// any other name.
std::optional<long> TemporaryFileWriter(std::string_view fileName);

// True while a process with this id exists (also one of another user).
bool ProcessRunning(long pid);

// Removes the temporary files in `folder` (not below it) whose writer is no longer running, and
// returns them. Links and folders are never touched, nor files of this process.
std::vector<std::filesystem::path> RemoveLeftoverTemporaryFiles(
    const std::filesystem::path& folder, const std::function<bool(long pid)>& running = ProcessRunning);

}  // namespace oryn7px
