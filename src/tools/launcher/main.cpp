// Start: waits until the running program has ended, then starts it again (after an import).
// Its arguments are passed on to the program.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "core/app/single_instance.h"
#include "platform/linux/runtime_dir.h"

namespace {

bool ProgramIsRunning(const std::string& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) return false;
    std::strcpy(address.sun_path, socketPath.c_str());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string runtimeDir = oryn7px::UserRuntimeDir();
    if (!runtimeDir.empty()) {
        const std::string socketPath = oryn7px::SingleInstanceSocketPath(runtimeDir);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (ProgramIsRunning(socketPath) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    const std::filesystem::path program =
        std::filesystem::read_symlink("/proc/self/exe").parent_path() / "oryn7px";
    std::vector<char*> args{const_cast<char*>(program.c_str())};
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
    args.push_back(nullptr);
    execv(program.c_str(), args.data());
    std::cerr << "Start: cannot start " << program << ": " << std::strerror(errno) << "\n";
    return 1;
}
