#include "core/app/log.h"

#include <cstdio>

#include "core/base/product_identity.h"

namespace oryn7px {

namespace {

std::string_view Tag(int level) {
    if (level < 2) return "[ERROR] ";
    if (level == 2) return "[WARN] ";
    return {};
}

// One entry is one line: control characters from paths and names (a line break, ESC) are
// written as \xNN, so nobody can forge a line or drive the terminal that shows the log.
std::string WithoutControls(std::string_view message) {
    std::string shown;
    shown.reserve(message.size());
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto byte = static_cast<unsigned char>(message[i]);
        const bool c1 = byte == 0xC2 && i + 1 < message.size() && static_cast<unsigned char>(message[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(message[i + 1]) <= 0x9F;
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F || c1) {
            const unsigned value = c1 ? static_cast<unsigned char>(message[++i]) : byte;
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", value);
            shown += escaped;
        } else {
            shown += message[i];
        }
    }
    return shown;
}

}  // namespace

CLog::CLog(LogFileOpener& opener, std::function<std::tm()> localTime)
    : opener_(opener), localTime_(std::move(localTime)) {}

void CLog::Open(const std::filesystem::path& path, int level) {
    std::lock_guard lock(mutex_);
    if (!path.empty()) {
        stream_.reset();
        stream_ = opener_.Open(path, false);
        fileName_ = path;
    }
    levelThreshold_ = level;
}

void CLog::Write(std::string_view message, int level) {
    std::lock_guard lock(mutex_);
    if (!stream_ || levelThreshold_ < level) return;
    std::string entry(tagMessages_ ? Tag(level) : std::string_view{});
    entry += WithoutControls(message);
    if (kSizeLimit != 0 && SizeLocked() > kSizeLimit) {
        stream_.reset();
        stream_ = opener_.Open(fileName_, true);
        if (!stream_) return;
    }
    const std::tm now = localTime_();
    char stamp[100];
    std::snprintf(stamp, sizeof stamp, "\t\t\t[%04d-%02d-%02d %02d:%02d:%02d]\n", now.tm_year + 1900, now.tm_mon + 1,
                  now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
    entry += stamp;
    stream_->Append(entry);
    stream_->Flush();
}

void CLog::Close() {
    std::lock_guard lock(mutex_);
    stream_.reset();
}

uint64_t CLog::Size() {
    std::lock_guard lock(mutex_);
    return SizeLocked();
}

bool CLog::IsOpen() const {
    std::lock_guard lock(mutex_);
    return stream_ != nullptr;
}

uint64_t CLog::SizeLocked() const { return stream_ ? stream_->Size() : 0; }

std::tm CLog::CurrentLocalTime() {
    const std::time_t now = std::time(nullptr);
    // Called under the log's lock; nothing else in the program uses localtime.
    return *std::localtime(&now);
}

std::filesystem::path LogFilePath(const std::filesystem::path& tempFolder) {
    return tempFolder / ProductFolder() / "LogFile.txt";
}

void WriteLogEntry(CLog& log, const std::filesystem::path& path, std::string_view message, int level) {
    log.Open(path, 3);
    log.Write(message, level);
    log.Close();
}

}  // namespace oryn7px
