#pragma once
// Replacing a small file whole: a crash or a full disk leaves the old one intact.
#include <filesystem>
#include <string_view>

namespace oryn7px {

// Creates the missing folders, writes a temporary file beside the target, syncs it and renames it over.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace oryn7px
