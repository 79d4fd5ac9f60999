#pragma once
// An X server of the test's own, which the test can take away, and $DISPLAY pointed at it.
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace oryn7px {

class PrivateXServer {
public:
    // `options` go to Xvfb as well, e.g. {"-extension", "X-Resource"} to leave one out.
    explicit PrivateXServer(const std::string& screen = "64x64x24", const std::vector<std::string>& options = {}) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            std::vector<const char*> args{"Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0",
                                          screen.c_str()};
            for (const std::string& option : options) args.push_back(option.c_str());
            args.push_back(nullptr);
            execvp(args[0], const_cast<char* const*>(args.data()));
            _exit(127);
        }
        close(fds[1]);
        // The server writes its display number and a line feed once it listens.
        std::string text;
        pollfd ready{fds[0], POLLIN, 0};
        char c = 0;
        while (pid_ > 0 && text.find('\n') == std::string::npos && poll(&ready, 1, 10000) == 1 &&
               read(fds[0], &c, 1) == 1) {
            text += c;
        }
        const std::string display = text.substr(0, text.find('\n'));
        if (!display.empty()) name_ = ":" + display;
        close(fds[0]);
    }
    ~PrivateXServer() { Kill(); }

    bool Started() const { return !name_.empty(); }
    const std::string& Name() const { return name_; }
    void Kill() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    std::string name_;
};

class ScopedDisplay {
public:
    explicit ScopedDisplay(const std::string& name) {
        if (const char* old = std::getenv("DISPLAY")) old_ = old;
        setenv("DISPLAY", name.c_str(), 1);
    }
    ~ScopedDisplay() {
        if (old_.empty()) unsetenv("DISPLAY");
        else setenv("DISPLAY", old_.c_str(), 1);
    }

private:
    std::string old_;
};

}  // namespace oryn7px
