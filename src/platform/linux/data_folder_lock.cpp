#include "platform/linux/data_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/retry_on_eintr.h"

namespace oryn7px {

namespace {

bool Flock(int fd, int operation) {
    return RetryOnEintr([&] { return ::flock(fd, operation); }) == 0;
}

int OpenFolder(const std::filesystem::path& folder) {
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

DataFolderLock::~DataFolderLock() {
    if (folderFd_ >= 0) ::close(folderFd_);
    if (turnFd_ >= 0) ::close(turnFd_);
}

std::filesystem::path DataFolderLock::LockFilePath(const std::filesystem::path& folder) { return folder / ".lock"; }

std::unique_ptr<DataFolderLock> DataFolderLock::ForProgram(const std::filesystem::path& folder) {
    std::unique_ptr<DataFolderLock> lock(new DataFolderLock);
    lock->folderFd_ = OpenFolder(folder);
    if (lock->folderFd_ >= 0) Flock(lock->folderFd_, LOCK_SH);
    return lock;
}

std::unique_ptr<DataFolderLock> DataFolderLock::ForCommand(const std::filesystem::path& folder, Turn turn,
                                                           void (*onWait)(), Result* result) {
    *result = Result::kHeld;
    std::unique_ptr<DataFolderLock> lock(new DataFolderLock);
    // Never through a link, and never readable by other users' programs.
    lock->turnFd_ = ::open(LockFilePath(folder).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (lock->turnFd_ < 0) lock->turnFd_ = ::open(LockFilePath(folder).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (lock->turnFd_ >= 0) {
        const int operation = turn == Turn::kRead ? LOCK_SH : LOCK_EX;
        if (!Flock(lock->turnFd_, operation | LOCK_NB)) {
            if (onWait != nullptr) onWait();
            Flock(lock->turnFd_, operation);
        }
    }
    if (turn != Turn::kWrite) return lock;
    // Held whole for the rest of the run, so a program starting meanwhile waits for the write.
    lock->folderFd_ = OpenFolder(folder);
    if (lock->folderFd_ >= 0 && !Flock(lock->folderFd_, LOCK_EX | LOCK_NB) && errno == EWOULDBLOCK) {
        *result = Result::kProgramRunning;
        return nullptr;
    }
    return lock;
}

}  // namespace oryn7px
