#include "platform/linux/linux_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace oryn7px {

namespace {

FileError ErrorOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileError::kNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return FileError::kAccessDenied;
        default:
            return FileError::kOther;
    }
}

// Unique within the process and between processes.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = target;
    temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return temporary;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself survive a power cut.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileError LinuxFileWriter::ReplaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    // A link is followed, so the user's file is replaced and not the link.
    std::error_code ec;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(path, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec) target = resolved;
    }
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return FileError::kOther;

    const std::filesystem::path temporary = TemporaryNameFor(target);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return ErrorOf(errno);
    if (exists) ::fchmod(fd, existing.st_mode & 07777);
    bool ok = WriteAll(fd, bytes);
    int error = ok ? 0 : errno;
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return ErrorOf(error);
    }
    SyncFolder(target.parent_path());
    return FileError::kNone;
}

}  // namespace oryn7px
