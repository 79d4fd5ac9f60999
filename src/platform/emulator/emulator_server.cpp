#include "platform/emulator/emulator_server.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/emulator/emulator_protocol.h"
#include "platform/emulator/socket_io.h"

namespace oryn7px {

namespace {

// A request line longer than this is not one of ours.
constexpr size_t kMaxRequestLength = 1 << 20;
constexpr int kStopCheckMs = 200;

}  // namespace

EmulatorServer::~EmulatorServer() {
    for (Client& client : clients_) close(client.fd);
    if (listenFd_ >= 0) {
        close(listenFd_);
        unlink(socketPath_.c_str());
    }
}

bool EmulatorServer::Listen(const std::string& socketPath, std::string* error) {
    sockaddr_un address{};
    if (!FillSocketAddress(socketPath, &address)) {
        *error = "socket path too long: " + socketPath;
        return false;
    }
    struct stat info{};
    if (lstat(socketPath.c_str(), &info) == 0) {
        if (!S_ISSOCK(info.st_mode)) {
            *error = socketPath + " exists and is not a socket";
            return false;
        }
        const int probe = ConnectUnixSocket(socketPath);
        if (probe >= 0) {
            close(probe);
            *error = "another oryn7px-emu is serving " + socketPath;
            return false;
        }
        unlink(socketPath.c_str());
    }
    listenFd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0 || bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listenFd_, 8) != 0) {
        *error = socketPath + ": " + std::strerror(errno);
        if (listenFd_ >= 0) close(listenFd_);
        listenFd_ = -1;
        return false;
    }
    socketPath_ = socketPath;
    return true;
}

void EmulatorServer::Run(const std::atomic<bool>& stop) {
    bool quit = false;
    while (!quit && !stop) {
        std::vector<pollfd> fds{{listenFd_, POLLIN, 0}};
        for (const Client& client : clients_) fds.push_back({client.fd, POLLIN, 0});
        if (poll(fds.data(), fds.size(), kStopCheckMs) <= 0) continue;
        for (size_t i = fds.size() - 1; i >= 1; --i) {
            if (fds[i].revents == 0) continue;
            if (!Serve(clients_[i - 1], &quit)) {
                close(clients_[i - 1].fd);
                clients_.erase(clients_.begin() + static_cast<std::ptrdiff_t>(i - 1));
            }
        }
        if (fds[0].revents & POLLIN) {
            const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) {
                // A client that stops reading is dropped instead of stalling every other one.
                const timeval sendLimit{1, 0};
                setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &sendLimit, sizeof sendLimit);
                clients_.push_back({fd, {}});
            }
        }
    }
}

bool EmulatorServer::Serve(Client& client, bool* quit) {
    char chunk[65536];
    const ssize_t received = read(client.fd, chunk, sizeof chunk);
    if (received <= 0) return false;
    client.pending.append(chunk, static_cast<size_t>(received));
    size_t newline;
    while ((newline = client.pending.find('\n')) != std::string::npos) {
        const std::string line = client.pending.substr(0, newline);
        client.pending.erase(0, newline + 1);
        const nlohmann::json request = nlohmann::json::parse(line, nullptr, false);
        const nlohmann::json answer = request.is_discarded()
                                          ? nlohmann::json{{"ok", false}, {"error", "a request is one JSON line"}}
                                          : HandleEmulatorRequest(mouse_, request, quit);
        if (!WriteLine(client.fd, answer.dump())) return false;
    }
    return client.pending.size() <= kMaxRequestLength;
}

}  // namespace oryn7px
