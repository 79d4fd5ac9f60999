#include "platform/emulator/socket_io.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/posix/retry_on_eintr.h"

namespace oryn7px {

namespace {

constexpr size_t kMaxLineLength = 1 << 24;
// A peer whose listen queue is full, or who stops reading, holds a connect or a send this long.
constexpr timeval kSendLimit{5, 0};

// What is left until `deadline`, at least 0 (a poll then only looks).
int MillisecondsUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

}  // namespace

bool FillSocketAddress(const std::string& path, sockaddr_un* address) {
    if (path.empty() || path.size() >= sizeof address->sun_path) return false;
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
    return true;
}

int ConnectUnixSocket(const std::string& path) {
    sockaddr_un address{};
    if (!FillSocketAddress(path, &address)) return -1;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &kSendLimit, sizeof kSendLimit);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool WriteLine(int fd, const std::string& text) {
    const std::string line = text + "\n";
    size_t written = 0;
    while (written < line.size()) {
        const ssize_t n =
            RetryOnEintr([&] { return send(fd, line.data() + written, line.size() - written, MSG_NOSIGNAL); });
        if (n <= 0) return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

std::optional<std::string> ReadLine(int fd, std::string* buffer, int timeoutMs) {
    // One deadline for the whole line: a peer that trickles bytes never renews it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    size_t newline;
    while ((newline = buffer->find('\n')) == std::string::npos) {
        if (buffer->size() > kMaxLineLength) return std::nullopt;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        pollfd readable{fd, POLLIN, 0};
        // An interrupted wait resumes with what is left of the deadline.
        const int ready = RetryOnEintr([&] { return poll(&readable, 1, MillisecondsUntil(deadline)); });
        if (ready <= 0) return std::nullopt;
        char chunk[65536];
        const ssize_t n = RetryOnEintr([&] { return read(fd, chunk, sizeof chunk); });
        if (n <= 0) return std::nullopt;
        buffer->append(chunk, static_cast<size_t>(n));
    }
    std::string line = buffer->substr(0, newline);
    buffer->erase(0, newline + 1);
    return line;
}

}  // namespace oryn7px
