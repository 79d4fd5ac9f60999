#include "platform/linux/linux_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/posix/retry_on_eintr.h"

namespace oryn7px {

namespace {

constexpr const char* kPreparedSuffix = ".pending";

ErrorKind KindOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return ErrorKind::kNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return ErrorKind::kAccessDenied;
        default:
            return ErrorKind::kIo;
    }
}

Error ErrorOf(int error, const std::filesystem::path& path) {
    return {KindOf(error), path.string() + ": " + std::strerror(error)};
}

// Unique within the process and between processes.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = target;
    temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return temporary;
}

std::filesystem::path PreparedNameFor(const std::filesystem::path& target) {
    std::filesystem::path prepared = target;
    return prepared += kPreparedSuffix;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = RetryOnEintr([&] { return ::write(fd, bytes.data() + done, bytes.size() - done); });
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

Error ForeignLink(const std::filesystem::path& path) {
    return {ErrorKind::kForeignLink, path.string() + " is a link to a file of another user"};
}

// Links are followed only where the running user or root put them: a link in another user's
// folder points wherever that user chose, and a privileged run must never write there. Checked
// for every link along the path, folders included.
Status CheckLinksAlongPath(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) return {};
    std::filesystem::path walked = absolute.root_path();
    for (const std::filesystem::path& part : absolute.relative_path()) {
        const std::filesystem::path next = walked / part;
        struct stat entry {};
        if (::lstat(next.c_str(), &entry) != 0) return {};  // what follows does not exist yet
        if (!S_ISLNK(entry.st_mode)) {
            walked = next;
            continue;
        }
        struct stat folder {};
        if (::stat(walked.c_str(), &folder) != 0 || (folder.st_uid != ::geteuid() && folder.st_uid != 0)) {
            return Error{ErrorKind::kForeignLink, next.string() + " is a link in a folder of another user"};
        }
        walked = std::filesystem::weakly_canonical(next, ec);
        if (ec) return {};
    }
    return {};
}

// Where the bytes go and who must keep owning them.
struct Target {
    std::filesystem::path path;
    bool exists = false;
    struct stat existing {};
    uid_t ownerUid = 0;  // the owner the new file gets
    gid_t ownerGid = 0;
};

// A link is followed only to a file (or, for a new file, a folder) of the running user, so a
// privileged run never replaces another user's file through a link planted in the data folder.
Result<Target> ResolveTarget(const std::filesystem::path& path) {
    if (Status links = CheckLinksAlongPath(path); !links) return links.Failure();
    Target target;
    target.path = path;
    std::error_code ec;
    const bool link = std::filesystem::is_symlink(path, ec);
    if (link) {
        const auto resolved = std::filesystem::weakly_canonical(path, ec);
        if (ec) return ForeignLink(path);
        target.path = resolved;
    }
    target.exists = ::stat(target.path.c_str(), &target.existing) == 0;
    struct stat folder {};
    const bool folderKnown = ::stat(target.path.parent_path().empty() ? "." : target.path.parent_path().c_str(), &folder) == 0;
    if (link) {
        const uid_t owner = target.exists ? target.existing.st_uid : (folderKnown ? folder.st_uid : ~uid_t{0});
        if (owner != ::geteuid()) return ForeignLink(path);
    }
    if (target.exists && !S_ISREG(target.existing.st_mode)) {
        return Error{ErrorKind::kNotRegular, path.string() + " is not a regular file"};
    }
    // Run as root in a user's folder, the files stay the user's.
    target.ownerUid = target.exists ? target.existing.st_uid : (folderKnown ? folder.st_uid : ::geteuid());
    target.ownerGid = target.exists ? target.existing.st_gid : (folderKnown ? folder.st_gid : ::getegid());
    return target;
}

// Writes the whole content to `file` (created exclusively) and flushes it to the disk. Errors
// name the target: the temporary name means nothing to the user.
Status WriteFlushed(const Target& target, const std::filesystem::path& file, std::span<const uint8_t> bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return ErrorOf(errno, target.path);
    if (target.exists) ::fchmod(fd, target.existing.st_mode & 07777);
    if (::geteuid() == 0) (void)::fchown(fd, target.ownerUid, target.ownerGid);
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
    if (!ok) {
        ::unlink(file.c_str());
        return ErrorOf(error, target.path);
    }
    return {};
}

}  // namespace

Status LinuxFileWriter::ReplaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    const Result<Target> target = ResolveTarget(path);
    if (!target) return target.Failure();
    const std::filesystem::path temporary = TemporaryNameFor(target->path);
    if (Status written = WriteFlushed(*target, temporary, bytes); !written) return written;
    if (::rename(temporary.c_str(), target->path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return ErrorOf(error, path);
    }
    SyncFolder(target->path.parent_path());
    return {};
}

Status LinuxFileWriter::ReplaceFiles(std::span<const FileReplacement> files, const std::filesystem::path& journal,
                                     std::filesystem::path* failed) {
    std::vector<std::filesystem::path> prepared;
    std::string journalText;
    const auto giveUp = [&](const Error& error, const std::filesystem::path& path) {
        for (const auto& file : prepared) ::unlink(file.c_str());
        if (failed != nullptr) *failed = path;
        return error;
    };
    for (const FileReplacement& file : files) {
        const Result<Target> target = ResolveTarget(file.path);
        if (!target) return giveUp(target.Failure(), file.path);
        const std::filesystem::path pending = PreparedNameFor(target->path);
        ::unlink(pending.c_str());  // left by a run cut short before its journal was written
        if (const Status written = WriteFlushed(*target, pending, file.bytes); !written) {
            return giveUp(written.Failure(), file.path);
        }
        prepared.push_back(pending);
        journalText += target->path.string();
        journalText += '\0';
    }
    // From here on the new set is whole on the disk: the journal commits it.
    const auto* text = reinterpret_cast<const uint8_t*>(journalText.data());
    if (const Status committed = ReplaceFile(journal, {text, journalText.size()}); !committed) {
        return giveUp(committed.Failure(), journal);
    }
    Status result;
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        const std::filesystem::path target = prepared[i].parent_path() / prepared[i].stem();
        if (::rename(prepared[i].c_str(), target.c_str()) != 0 && result) {
            // The journal stays: the next start completes the set.
            result = ErrorOf(errno, files[i].path);
            if (failed != nullptr) *failed = files[i].path;
        }
        SyncFolder(target.parent_path());
    }
    if (result) {
        ::unlink(journal.c_str());
        SyncFolder(journal.parent_path());
    }
    return result;
}

void LinuxFileWriter::FinishReplacement(const std::filesystem::path& journal,
                                        std::span<const std::filesystem::path> targets) {
    struct stat st {};
    const bool committed = ::lstat(journal.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    std::vector<std::filesystem::path> listed;
    if (committed) {
        std::ifstream in(journal, std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        for (std::size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos; start = end + 1) {
            listed.emplace_back(text.substr(start, end - start));
        }
    }
    for (const std::filesystem::path& target : targets) {
        // Only the named files' own companions beside them: a link's file, and whatever lies
        // beside it, is somewhere else and none of this clean-up's business.
        if (::lstat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) continue;
        const std::filesystem::path pending = PreparedNameFor(target);
        if (::lstat(pending.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        // Only the files the caller names are ever renamed, whatever the journal says.
        if (std::find(listed.begin(), listed.end(), target) != listed.end()) {
            ::rename(pending.c_str(), target.c_str());
        } else {
            ::unlink(pending.c_str());
        }
        SyncFolder(target.parent_path());
    }
    if (committed) ::unlink(journal.c_str());
}

}  // namespace oryn7px
