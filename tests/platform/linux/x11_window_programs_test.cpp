#include "platform/linux/x11_window_programs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <string>

#include "private_x_server.h"

// X headers last: their macros clash with everything else.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace oryn7px {
namespace {

std::string HostName() {
    char name[HOST_NAME_MAX + 1] = {};
    gethostname(name, sizeof name - 1);
    return name;
}

// A window of the test's own that says what a program would: its class, process and machine.
Window MakeWindow(Display* display, const char* windowClass, unsigned long pid, const std::string& machine) {
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
    XClassHint hint{const_cast<char*>("instance"), const_cast<char*>(windowClass)};
    XSetClassHint(display, window, &hint);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    XChangeProperty(display, window, XInternAtom(display, "WM_CLIENT_MACHINE", False), XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(machine.data()), static_cast<int>(machine.size()));
    XSync(display, False);
    return window;
}

// Without X-Resource only the window's word is left: _NET_WM_PID counts for this machine's windows.
TEST(X11WindowPrograms, AProcessNumberFromAnotherMachineNamesNoProcess) {
    PrivateXServer server("64x64x24", {"-extension", "X-Resource"});
    if (!server.Started()) GTEST_SKIP() << "no Xvfb";
    Display* display = XOpenDisplay(server.Name().c_str());
    ASSERT_NE(display, nullptr);
    const X11WindowPrograms programs(display);
    const unsigned long self = static_cast<unsigned long>(getpid());

    const ForegroundProgram local = programs.ProgramOf(MakeWindow(display, "Local", self, HostName()));
    EXPECT_EQ(local.windowClass, "Local");
    EXPECT_EQ(local.pid, self);
    EXPECT_EQ(local.executable, std::filesystem::read_symlink("/proc/self/exe").filename().string());

    const ForegroundProgram remote = programs.ProgramOf(MakeWindow(display, "Remote", self, "elsewhere.example"));
    EXPECT_EQ(remote.windowClass, "Remote");
    EXPECT_EQ(remote.pid, 0u);
    EXPECT_EQ(remote.executable, "");
    XCloseDisplay(display);
}

// With X-Resource the server's word wins over what the window claims (a sandboxed program gives
// its own namespace's process number).
TEST(X11WindowPrograms, TheServerKnowsTheProcessBehindAWindow) {
    PrivateXServer server;
    if (!server.Started()) GTEST_SKIP() << "no Xvfb";
    Display* display = XOpenDisplay(server.Name().c_str());
    ASSERT_NE(display, nullptr);
    const X11WindowPrograms programs(display);
    const ForegroundProgram claimed = programs.ProgramOf(MakeWindow(display, "Sandboxed", 2, HostName()));
    EXPECT_EQ(claimed.pid, static_cast<uint32_t>(getpid()));
    XCloseDisplay(display);
}

}  // namespace
}  // namespace oryn7px
