#pragma once
// A program a test starts and ends by its own process id, and a wait for what it should do.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace oryn7px {

class ChildProcess {
public:
    ChildProcess() = default;
    // Runs argv[0] (looked up in PATH) with `environment` ("NAME=value") added to this process's,
    // its output into `output`.
    explicit ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment = {},
                          const std::string& output = "/dev/null") {
        pid_ = fork();
        if (pid_ != 0) return;
        // A test that dies takes its programs with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        for (const std::string& entry : environment) putenv(const_cast<char*>(entry.c_str()));
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
        }
        std::vector<char*> args;
        for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    ~ChildProcess() { Kill(); }
    ChildProcess(ChildProcess&& other) noexcept : pid_(other.pid_) { other.pid_ = -1; }
    ChildProcess& operator=(ChildProcess&& other) noexcept {
        Kill();
        pid_ = other.pid_;
        other.pid_ = -1;
        return *this;
    }

    pid_t Pid() const { return pid_; }
    bool Running() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }
    void Kill() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

// Asks `done` again until it holds or `seconds` pass: outside programs take their own time.
inline bool WaitUntil(const std::function<bool()>& done, int seconds = 10) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Whether `program` is in PATH.
inline bool Installed(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace oryn7px
