#pragma once
// Atomic file replacement on Linux: a temporary file in the same folder, fsync, rename.
#include "core/interfaces/file_writer.h"

namespace oryn7px {

class LinuxFileWriter final : public FileWriter {
public:
    Status ReplaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) override;
    Status ReplaceFiles(std::span<const FileReplacement> files, const std::filesystem::path& journal,
                        std::filesystem::path* failed) override;
    void FinishReplacement(const std::filesystem::path& journal,
                           std::span<const std::filesystem::path> targets) override;
};

}  // namespace oryn7px
