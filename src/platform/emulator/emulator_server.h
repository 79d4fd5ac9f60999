#pragma once
// Serves a virtual mouse on a Unix socket, one JSON request per line.
#include <atomic>
#include <string>
#include <vector>

#include "platform/emulator/virtual_mouse.h"

namespace oryn7px {

class EmulatorServer {
public:
    explicit EmulatorServer(VirtualMouse& mouse) : mouse_(mouse) {}
    ~EmulatorServer();
    EmulatorServer(const EmulatorServer&) = delete;
    EmulatorServer& operator=(const EmulatorServer&) = delete;

    // Refuses a path that is not a socket, or a socket another daemon still serves; a stale
    // socket left by a daemon that died is replaced.
    bool Listen(const std::string& socketPath, std::string* error);
    // Serves until a "quit" request or until *stop turns true.
    void Run(const std::atomic<bool>& stop);

private:
    struct Client {
        int fd = -1;
        std::string pending;
    };

    bool Serve(Client& client, bool* quit);

    VirtualMouse& mouse_;
    std::string socketPath_;
    int listenFd_ = -1;
    std::vector<Client> clients_;
};

}  // namespace oryn7px
