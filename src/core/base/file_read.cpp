#include "core/base/file_read.h"

#include <cstring>
#include <fstream>
#include <string_view>
#include <system_error>

namespace oryn7px {

namespace {

Error FileFailure(ErrorKind kind, const std::filesystem::path& path, std::string_view why) {
    return {kind, path.string() + ": " + std::string(why)};
}

Error CauseOfFailedOpen(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return FileFailure(ErrorKind::kNotFound, path, "not found");
    if (ec == std::errc::permission_denied) return FileFailure(ErrorKind::kAccessDenied, path, ec.message());
    // The file is there and its folder can be searched: the file itself refused to open.
    return ec ? FileFailure(ErrorKind::kIo, path, ec.message())
              : FileFailure(ErrorKind::kAccessDenied, path, "cannot be opened");
}

}  // namespace

Status CheckReadable(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return FileFailure(ErrorKind::kNotFound, path, "not found");
    if (ec) {
        return FileFailure(ec == std::errc::permission_denied ? ErrorKind::kAccessDenied : ErrorKind::kIo, path,
                           ec.message());
    }
    if (status.type() != std::filesystem::file_type::regular) {
        return FileFailure(ErrorKind::kNotRegular, path, "not a regular file");
    }
    return {};
}

Result<std::size_t> ReadFileUpTo(const std::filesystem::path& path, void* destination, std::size_t capacity) {
    if (const Status readable = CheckReadable(path); !readable) return readable.Failure();
    std::ifstream in(path, std::ios::binary);
    if (!in) return CauseOfFailedOpen(path);
    std::memset(destination, 0, capacity);
    in.read(static_cast<char*>(destination), static_cast<std::streamsize>(capacity));
    return static_cast<std::size_t>(in.gcount());
}

}  // namespace oryn7px
