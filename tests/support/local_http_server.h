#pragma once
// The test HTTP server (local_http_server.py beside this file) in a process of its own. The
// test target defines ORYN7PX_TEST_SUPPORT_DIR as this folder.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

extern char** environ;

namespace oryn7px::testing {

class LocalHttpServer {
public:
    // Serves the files of `root`; the port is known once the constructor returns.
    explicit LocalHttpServer(std::filesystem::path root) : root_(std::move(root)) {
        const std::string portFile = (root_ / ".port").string();
        const std::string script = std::string(ORYN7PX_TEST_SUPPORT_DIR) + "/local_http_server.py";
        const char* argv[] = {"python3", script.c_str(), root_.c_str(), portFile.c_str(), nullptr};
        if (posix_spawnp(&pid_, "python3", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = -1;
        for (int i = 0; i < 500 && pid_ > 0 && !std::filesystem::exists(portFile); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::ifstream(portFile) >> port_;
    }
    ~LocalHttpServer() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool Running() const { return port_ > 0; }
    std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

private:
    std::filesystem::path root_;
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace oryn7px::testing
