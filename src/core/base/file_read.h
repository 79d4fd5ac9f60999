#pragma once
// Reading a fixed-size record from a file that may be shorter, longer or missing.
#include <cstddef>
#include <filesystem>

#include "core/platform/file_writer.h"

namespace oryn7px {

struct FileRead {
    FileError error = FileError::kNone;
    std::size_t bytesRead = 0;
};

// On success zeroes `capacity` bytes at `destination` and reads up to that many bytes over them,
// so a short file leaves the rest zero. On failure `destination` is untouched and the error says
// whether the file or its folder is missing (kNotFound) or it could not be read for another reason.
FileRead ReadFileUpTo(const std::filesystem::path& path, void* destination, std::size_t capacity);

// Reads up to `capacity` bytes starting at `offset` over `destination`; bytes the file does not
// hold are left as they were.
FileRead ReadFileAt(const std::filesystem::path& path, std::size_t offset, void* destination, std::size_t capacity);

template <typename Record>
FileRead ReadRecord(const std::filesystem::path& path, Record& record) {
    return ReadFileUpTo(path, &record, sizeof record);
}

}  // namespace oryn7px
