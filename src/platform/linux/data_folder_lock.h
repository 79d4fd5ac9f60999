#pragma once
// Who may change the files of a data folder, and when: the program keeps the folder for as long
// as it runs (its saves would overwrite anything written meanwhile); command-line runs take their
// turns, one writer at a time, and a writer is refused while the program runs.
#include <filesystem>
#include <memory>

namespace oryn7px {

class DataFolderLock {
public:
    enum class Result { kHeld, kProgramRunning };
    // Readers share their turn; a writer waits for every other command, and is refused while
    // the program runs unless it writes only a file that the program reads again when it changes.
    enum class Turn { kRead, kWrite, kWriteBesideProgram };

    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;
    ~DataFolderLock();

    // The program's hold, kept until it ends; waits while a command-line write is in progress.
    static std::unique_ptr<DataFolderLock> ForProgram(const std::filesystem::path& folder);

    // A command's turn (`onWait` is called once before waiting). A folder where no lock can be
    // made (read-only, another user's) is used without one: its writes fail and say so.
    static std::unique_ptr<DataFolderLock> ForCommand(const std::filesystem::path& folder, Turn turn,
                                                      void (*onWait)(), Result* result);

    // The lock file beside the data files; it holds nothing.
    static std::filesystem::path LockFilePath(const std::filesystem::path& folder);

private:
    DataFolderLock() = default;

    int turnFd_ = -1;    // the lock file: command-line runs take turns on it
    int folderFd_ = -1;  // the folder itself: shared by running programs, taken whole by a writer
};

}  // namespace oryn7px
