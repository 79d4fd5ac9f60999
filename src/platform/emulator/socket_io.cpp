#include "platform/emulator/socket_io.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace oryn7px {

namespace {

constexpr size_t kMaxLineLength = 1 << 24;
// A peer whose listen queue is full, or who stops reading, holds a connect or a send this long.
constexpr timeval kSendLimit{5, 0};

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
        const ssize_t n = send(fd, line.data() + written, line.size() - written, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
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
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return std::nullopt;
        pollfd readable{fd, POLLIN, 0};
        const int ready = poll(&readable, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return std::nullopt;
        char chunk[65536];
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;
        buffer->append(chunk, static_cast<size_t>(n));
    }
    std::string line = buffer->substr(0, newline);
    buffer->erase(0, newline + 1);
    return line;
}

}  // namespace oryn7px
