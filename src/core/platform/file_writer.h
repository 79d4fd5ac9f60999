#pragma once
// Every data file is written through here, so a crash or a full disk never leaves half a file.
#include <cstdint>
#include <filesystem>
#include <span>

namespace oryn7px {

// Why a file operation failed; the messages shown depend on it.
enum class FileError { kNone, kNotFound, kAccessDenied, kOther };

class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Creates or replaces the whole file atomically: the old content stays whole on failure.
    virtual FileError ReplaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) = 0;
};

template <typename Record>
std::span<const uint8_t> RecordBytes(const Record& record) {
    return {reinterpret_cast<const uint8_t*>(&record), sizeof record};
}

}  // namespace oryn7px
