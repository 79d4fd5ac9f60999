#include "platform/linux/safe_log_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace oryn7px {

namespace {

class FdLogFile final : public LogFileHandle {
public:
    explicit FdLogFile(int fd) : fd_(fd) {}
    ~FdLogFile() override { close(fd_); }

    bool Append(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t n = write(fd_, bytes.data(), bytes.size());
            if (n <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }
    bool Flush() override { return true; }  // every write goes straight to the file
    uint64_t Size() override {
        struct stat info {};
        return fstat(fd_, &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
    }

private:
    int fd_;
};

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool OwnedBy(int fd, uid_t owner, mode_t type) {
    struct stat info {};
    return fstat(fd, &info) == 0 && (info.st_mode & S_IFMT) == type && info.st_uid == owner;
}

}  // namespace

SafeLogFileOpener::SafeLogFileOpener() : SafeLogFileOpener(geteuid()) {}

SafeLogFileOpener::SafeLogFileOpener(uid_t owner) : owner_(owner) {}

std::unique_ptr<LogFileHandle> SafeLogFileOpener::Open(const std::filesystem::path& path, bool truncate) {
    const std::filesystem::path absolute = path.lexically_normal();
    if (!absolute.is_absolute() || !absolute.has_filename()) return nullptr;
    // Walk down from the root one name at a time, so that no symbolic link is ever followed.
    Fd folder(open("/", O_DIRECTORY | O_RDONLY | O_CLOEXEC));
    const std::filesystem::path parent = absolute.parent_path();
    for (const std::filesystem::path& part : parent.relative_path()) {
        if (folder.get() < 0) return nullptr;
        folder = Fd(openat(folder.get(), part.c_str(), O_DIRECTORY | O_NOFOLLOW | O_RDONLY | O_CLOEXEC));
    }
    if (folder.get() < 0 || !OwnedBy(folder.get(), owner_, S_IFDIR)) return nullptr;
    // No O_TRUNC here: a file of someone else's must not be emptied before the owner check.
    Fd file(openat(folder.get(), absolute.filename().c_str(),
                   O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    if (file.get() < 0 || !OwnedBy(file.get(), owner_, S_IFREG)) return nullptr;
    if (truncate && ftruncate(file.get(), 0) != 0) return nullptr;
    return std::make_unique<FdLogFile>(file.release());
}

}  // namespace oryn7px
