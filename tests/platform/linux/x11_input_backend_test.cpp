#include "platform/linux/x11_input_backend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace oryn7px {
namespace {

// An X server of the test's own, which the test can take away.
class PrivateXServer {
public:
    PrivateXServer() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", "64x64x24",
                   static_cast<char*>(nullptr));
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

class NullSink final : public InputHookSink {
public:
    bool KeyboardProc(uint32_t, uint32_t) override { return false; }
    bool MouseProc(uint32_t, uint32_t) override { return false; }
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

// The X server going away used to leave the input thread counted as running: every later
// intercept change (the apply worker's too) waited its full 2 s for grabs that never came.
TEST(X11InputBackend, ALostConnectionEndsTheInputThreadAndSaysSo) {
    PrivateXServer server;
    if (!server.Started()) GTEST_SKIP() << "no Xvfb to take away";
    ScopedDisplay display(server.Name());
    std::mutex mutex;
    std::vector<std::string> notices;
    X11InputBackend backend([&](const std::string& notice) {
        std::lock_guard lock(mutex);
        notices.push_back(notice);
    });
    NullSink sink;
    ASSERT_TRUE(backend.Install(sink)) << backend.Status();
    backend.SetInterceptedButtons({0x0002020B});
    EXPECT_TRUE(backend.IsServing());

    server.Kill();
    for (int i = 0; i < 1000 && backend.IsServing(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(backend.IsServing());
    EXPECT_THAT(backend.Status(), ::testing::HasSubstr("closed the connection"));
    {
        std::lock_guard lock(mutex);
        EXPECT_THAT(notices, ::testing::Contains(::testing::HasSubstr("global input has stopped")));
    }
    // Nothing left to wait for: the process is still here, and the backend can be removed and
    // installed again, which fails plainly without the server.
    backend.SetInterceptedButtons({0x0001020B});
    backend.Remove();
    EXPECT_FALSE(backend.Install(sink));
    EXPECT_THAT(backend.Status(), ::testing::HasSubstr("cannot open the X11 display"));
}

}  // namespace
}  // namespace oryn7px
