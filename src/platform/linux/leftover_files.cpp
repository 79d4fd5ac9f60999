#include "platform/linux/leftover_files.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <system_error>

namespace oryn7px {

namespace {

std::optional<long> DecimalNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.front() == '-') return std::nullopt;
    return value;
}

}  // namespace

std::optional<long> TemporaryFileWriter(std::string_view fileName) {
    static constexpr std::string_view kMarker = ".tmp-";
    const std::size_t marker = fileName.rfind(kMarker);
    if (marker == std::string_view::npos || marker == 0) return std::nullopt;
    const std::string_view numbers = fileName.substr(marker + kMarker.size());
    const std::size_t dash = numbers.find('-');
    if (dash == std::string_view::npos || !DecimalNumber(numbers.substr(dash + 1))) return std::nullopt;
    const std::optional<long> pid = DecimalNumber(numbers.substr(0, dash));
    if (!pid || *pid <= 0) return std::nullopt;
    return pid;
}

bool ProcessRunning(long pid) {
    // EPERM: it exists, it belongs to someone else.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::vector<std::filesystem::path> RemoveLeftoverTemporaryFiles(const std::filesystem::path& folder,
                                                                const std::function<bool(long pid)>& running) {
    std::vector<std::filesystem::path> removed;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path& path = it->path();
        const std::optional<long> writer = TemporaryFileWriter(path.filename().string());
        if (!writer || *writer == static_cast<long>(::getpid()) || running(*writer)) continue;
        std::error_code statusError;
        if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(path, statusError))) continue;
        if (std::filesystem::remove(path, statusError)) removed.push_back(path);
    }
    return removed;
}

}  // namespace oryn7px
