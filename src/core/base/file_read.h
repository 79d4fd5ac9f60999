#pragma once
// Reading a fixed-size record from a file that may be shorter, longer or missing.
#include <cstddef>
#include <filesystem>

#include "core/base/result.h"

namespace oryn7px {

// Only regular files are read: a FIFO or device named by the user would block or never end.
// kNotFound when the file or its folder is missing, kNotRegular for anything but a regular file,
// kAccessDenied or kIo when it exists but cannot be read.
Status CheckReadable(const std::filesystem::path& path);

// A failure that means the file is there but its content is unknown: it must not be written over.
template <typename T>
bool ExistsButUnreadable(const Result<T>& read) {
    return !read.Ok() && read.Failure().kind != ErrorKind::kNotFound;
}

// On success zeroes `capacity` bytes at `destination` and reads up to that many bytes over them,
// so a short file leaves the rest zero, and gives the number of bytes read. On failure
// `destination` is untouched.
Result<std::size_t> ReadFileUpTo(const std::filesystem::path& path, void* destination, std::size_t capacity);

template <typename Record>
Result<std::size_t> ReadRecord(const std::filesystem::path& path, Record& record) {
    return ReadFileUpTo(path, &record, sizeof record);
}

}  // namespace oryn7px
