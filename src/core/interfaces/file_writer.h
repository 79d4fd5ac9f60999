#pragma once
// Every data file is written through here, so a crash or a full disk never leaves half a file.
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "core/base/result.h"

namespace oryn7px {

// One file of a set that is replaced together.
struct FileReplacement {
    std::filesystem::path path;
    std::span<const uint8_t> bytes;
};

class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Creates or replaces the whole file atomically: the old content stays whole on failure.
    // kNotFound and kAccessDenied for a missing or closed folder, kNotRegular and kForeignLink for
    // a target it refuses to replace, kIo for anything else.
    virtual Status ReplaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) = 0;
    // Replaces every file of the set or none: all are prepared first, and `journal` records the
    // replacement until it is complete, so FinishReplacement can complete one that was cut short.
    // `failed` receives the path the error belongs to.
    virtual Status ReplaceFiles(std::span<const FileReplacement> files, const std::filesystem::path& journal,
                                std::filesystem::path* failed) = 0;
    // Completes a replacement whose journal is still there, else removes what a replacement cut
    // short before its journal was written left prepared for any of `targets`.
    virtual void FinishReplacement(const std::filesystem::path& journal,
                                   std::span<const std::filesystem::path> targets) = 0;
};

template <typename Record>
std::span<const uint8_t> RecordBytes(const Record& record) {
    return {reinterpret_cast<const uint8_t*>(&record), sizeof record};
}

}  // namespace oryn7px
