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
    return FileError::kOther;
}

}  // namespace

FileRead ReadFileUpTo(const std::filesystem::path& path, void* destination, std::size_t capacity) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return {FileError::kOther, 0};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {CauseOfFailedOpen(path), 0};
    std::memset(destination, 0, capacity);
    in.read(static_cast<char*>(destination), static_cast<std::streamsize>(capacity));
    return {FileError::kNone, static_cast<std::size_t>(in.gcount())};
}

FileRead ReadFileAt(const std::filesystem::path& path, std::size_t offset, void* destination, std::size_t capacity) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return {FileError::kOther, 0};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {CauseOfFailedOpen(path), 0};
    if (!in.seekg(static_cast<std::streamoff>(offset))) return {FileError::kNone, 0};
    in.read(static_cast<char*>(destination), static_cast<std::streamsize>(capacity));
    return {FileError::kNone, static_cast<std::size_t>(in.gcount())};
}

}  // namespace oryn7px
