#pragma once
// Reading a fixed-size record from a file that may be shorter, longer or missing.
#include <cstddef>
#include <filesystem>

#include "core/base/file_error.h"

namespace oryn7px {

struct FileRead {
    FileError error = FileError::kNone;
    std::size_t bytesRead = 0;
};

// Only regular files are read: a FIFO or device named by the user would block or never end.
// kNotFound when the file or its folder is missing, kNotRegular for anything but a regular file,
// kAccessDenied or kOther when it exists but cannot be read.
FileError CheckReadable(const std::filesystem::path& path);

// An error that means the file is there but its content is unknown: it must not be written over.
inline bool ExistsButUnreadable(FileError error) { return error != FileError::kNone && error != FileError::kNotFound; }

// On success zeroes `capacity` bytes at `destination` and reads up to that many bytes over them,
// so a short file leaves the rest zero. On failure `destination` is untouched.
FileRead ReadFileUpTo(const std::filesystem::path& path, void* destination, std::size_t capacity);

template <typename Record>
FileRead ReadRecord(const std::filesystem::path& path, Record& record) {
    return ReadFileUpTo(path, &record, sizeof record);
}

}  // namespace oryn7px
