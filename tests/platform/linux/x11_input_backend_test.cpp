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

#include "private_x_server.h"

namespace oryn7px {
namespace {

class NullSink final : public InputHookSink {
public:
    bool KeyboardProc(uint32_t, uint32_t) override { return false; }
    bool MouseProc(uint32_t, uint32_t) override { return false; }
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
