#include "core/base/file_read.h"

#include <cstring>
#include <fstream>
#include <system_error>

namespace oryn7px {

namespace {

FileError CauseOfFailedOpen(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return FileError::kNotFound;
    if (ec == std::errc::permission_denied) return FileError::kAccessDenied;
    // The file is there and its folder can be searched: the file itself refused to open.
    return ec ? FileError::kOther : FileError::kAccessDenied;
}

}  // namespace

FileError CheckReadable(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return FileError::kNotFound;
    if (ec) return ec == std::errc::permission_denied ? FileError::kAccessDenied : FileError::kOther;
    return status.type() == std::filesystem::file_type::regular ? FileError::kNone : FileError::kNotRegular;
}

FileRead ReadFileUpTo(const std::filesystem::path& path, void* destination, std::size_t capacity) {
    if (const FileError error = CheckReadable(path); error != FileError::kNone) return {error, 0};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {CauseOfFailedOpen(path), 0};
    std::memset(destination, 0, capacity);
    in.read(static_cast<char*>(destination), static_cast<std::streamsize>(capacity));
    return {FileError::kNone, static_cast<std::size_t>(in.gcount())};
}

}  // namespace oryn7px
