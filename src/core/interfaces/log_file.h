#pragma once
// The file under the log: opened by the platform, which knows how to open it safely.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

namespace oryn7px {

class LogFileHandle {
public:
    virtual ~LogFileHandle() = default;
    virtual bool Append(std::string_view bytes) = 0;
    virtual bool Flush() = 0;
    virtual uint64_t Size() = 0;
};

class LogFileOpener {
public:
    virtual ~LogFileOpener() = default;
    // Opens for appending (or empties the file first when truncate is set), creating the file
    // but never its folder. Null when the file cannot or must not be opened.
    virtual std::unique_ptr<LogFileHandle> Open(const std::filesystem::path& path, bool truncate) = 0;
};

}  // namespace oryn7px
