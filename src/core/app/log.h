#pragma once
// CLog: the text log of host-side actions. One instance, created at start-up and handed out.
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>

#include "core/device/log_stream.h"
#include "core/interfaces/log_file.h"

namespace oryn7px {

class CLog final : public ClosableLog {
public:
    static constexpr uint32_t kSizeLimit = 0xA00000;  // the file starts over once it is larger
    static constexpr int kError = 1;
    static constexpr int kWarning = 2;

    explicit CLog(LogFileOpener& opener, std::function<std::tm()> localTime = CurrentLocalTime);

    // With a path: (re)opens it for appending. Always sets the level threshold.
    void Open(const std::filesystem::path& path, int level);
    // Appends the tagged message and a time stamp, when open and `level` passes the threshold.
    void Write(std::string_view message, int level);
    void Close() override;
    // Length of the file in bytes; 0 when not open.
    uint64_t Size();
    bool IsOpen() const;

    static std::tm CurrentLocalTime();

private:
    uint64_t SizeLocked() const;

    // Host actions write on the UI thread while the apply worker closes: one lock for both.
    mutable std::mutex mutex_;
    LogFileOpener& opener_;
    std::function<std::tm()> localTime_;
    std::unique_ptr<LogFileHandle> stream_;
    std::filesystem::path fileName_;
    int levelThreshold_ = 1;
    const bool tagMessages_ = true;
};

// The log file below the temporary folder: TAVIK/ORYN7PX/LogFile.txt.
std::filesystem::path LogFilePath(const std::filesystem::path& tempFolder);

// One entry as the program writes it: open at level 3, write, close.
void WriteLogEntry(CLog& log, const std::filesystem::path& path, std::string_view message, int level);

}  // namespace oryn7px
