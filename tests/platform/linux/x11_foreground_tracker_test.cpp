#include "platform/linux/x11_foreground_tracker.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "private_x_server.h"
#include "support/child_process.h"
#include "support/foreground_reports.h"

namespace oryn7px {
namespace {

// Openbox on an X server of the test's own, with xcalc and xedit as the programs to focus.
class X11ForegroundTrackerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* program : {"Xvfb", "openbox", "xcalc", "xedit", "xdotool"}) {
            if (!Installed(program)) GTEST_SKIP() << program << " is not installed (scripts/packages.txt)";
        }
        ASSERT_TRUE(server.Started());
        display.emplace(server.Name());
    }

    void StartDesktop() {
        // Openbox runs its start-up command once it manages windows: a window mapped while it
        // still starts may stay unmanaged.
        char folder[] = "/tmp/oryn7px-openbox-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        const std::string ready = std::string(folder) + "/ready";
        windowManager = ChildProcess({"openbox", "--startup", "touch " + ready});
        const bool started = WaitUntil([&] { return access(ready.c_str(), F_OK) == 0; });
        std::filesystem::remove_all(folder);
        ASSERT_TRUE(started) << "openbox never finished starting";
        calculator = ChildProcess({"xcalc"});
        editor = ChildProcess({"xedit"});
        ASSERT_TRUE(WaitUntil([&] {
            const std::vector<ForegroundProgram> programs = probe.ProgramsWithWindows();
            return test::ListsClass(programs, "XCalc") && test::ListsClass(programs, "Xedit");
        })) << "the two windows never appeared";
    }

    // As a user's click would: through the window manager, and waits until it took the focus.
    static void Activate(const char* windowClass) {
        const std::string command = std::string("xdotool search --sync --class '^") + windowClass +
                                    "$' windowactivate --sync >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    static bool Named(const ForegroundProgram& program, const char* executable, const char* windowClass,
                      const ChildProcess& process) {
        return program.executable == executable && program.windowClass == windowClass &&
               program.pid == static_cast<uint32_t>(process.Pid());
    }

    PrivateXServer server{"640x480x24"};
    std::optional<ScopedDisplay> display;
    ChildProcess windowManager, calculator, editor;
    X11ForegroundTracker probe;
    X11ForegroundTracker tracker;
    test::ForegroundReports reports;
};

TEST_F(X11ForegroundTrackerTest, EachProgramFocusedInTurnIsReportedWithItsExecutableClassAndProcess) {
    StartDesktop();
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());

    Activate("XCalc");
    ASSERT_TRUE(WaitUntil([&] { return !reports.Programs().empty() && reports.Programs().back().windowClass == "XCalc"; }));
    Activate("Xedit");
    ASSERT_TRUE(WaitUntil([&] { return reports.Programs().back().windowClass == "Xedit"; })) << reports.Classes();
    Activate("XCalc");
    ASSERT_TRUE(WaitUntil([&] { return reports.Programs().back().windowClass == "XCalc"; })) << reports.Classes();

    const std::vector<ForegroundProgram> seen = reports.Programs();
    ASSERT_GE(seen.size(), 3u);
    const ForegroundProgram& last = seen[seen.size() - 1];
    const ForegroundProgram& before = seen[seen.size() - 2];
    EXPECT_TRUE(Named(last, "xcalc", "XCalc", calculator)) << last.executable << " " << last.windowClass;
    EXPECT_TRUE(Named(before, "xedit", "Xedit", editor)) << before.executable << " " << before.windowClass;
    EXPECT_EQ(last.title, "Calculator");
    // Reports name another program each time: never the same one twice in a row.
    for (size_t i = 1; i < seen.size(); ++i) EXPECT_NE(seen[i].windowClass, seen[i - 1].windowClass) << i;
}

TEST_F(X11ForegroundTrackerTest, TheProgramInFrontIsReportedAtStartAndTheWindowsAreListed) {
    StartDesktop();
    Activate("Xedit");
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());
    ASSERT_TRUE(WaitUntil([&] { return reports.Count() == 1; }));
    EXPECT_TRUE(Named(reports.Programs()[0], "xedit", "Xedit", editor));

    const std::vector<ForegroundProgram> programs = tracker.ProgramsWithWindows();
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_TRUE(test::ListsClass(programs, "XCalc"));
    EXPECT_TRUE(test::ListsClass(programs, "Xedit"));
}

TEST_F(X11ForegroundTrackerTest, NothingIsReportedAfterStop) {
    StartDesktop();
    Activate("XCalc");
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());
    ASSERT_TRUE(WaitUntil([&] { return reports.Count() == 1; }));
    tracker.Stop();
    Activate("Xedit");
    // A second tracker hears the change, so the stopped one had it to hear as well.
    test::ForegroundReports other;
    X11ForegroundTracker witness;
    ASSERT_TRUE(witness.Start(other.Sink()).Ok());
    ASSERT_TRUE(WaitUntil([&] { return other.Count() == 1; }));
    EXPECT_EQ(other.Programs()[0].windowClass, "Xedit");
    EXPECT_EQ(reports.Count(), 1u);
}

TEST_F(X11ForegroundTrackerTest, WithoutAWindowManagerStartSaysWhy) {
    const Status started = tracker.Start(reports.Sink());
    ASSERT_FALSE(started.Ok());
    EXPECT_NE(started.Failure().message.find("_NET_ACTIVE_WINDOW"), std::string::npos) << started.Failure().message;
}

TEST_F(X11ForegroundTrackerTest, AServerThatGoesAwayEndsTheTrackerQuietly) {
    StartDesktop();
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());
    server.Kill();
    tracker.Stop();
    EXPECT_TRUE(tracker.ProgramsWithWindows().empty());
}

TEST(X11ForegroundTracker, WithoutADisplayStartSaysSo) {
    const char* old = std::getenv("DISPLAY");
    const std::string saved = old ? old : "";
    unsetenv("DISPLAY");
    X11ForegroundTracker tracker;
    const Status started = tracker.Start([](const ForegroundProgram&) {});
    if (!saved.empty()) setenv("DISPLAY", saved.c_str(), 1);
    ASSERT_FALSE(started.Ok());
    EXPECT_NE(started.Failure().message.find("DISPLAY"), std::string::npos);
}

}  // namespace
}  // namespace oryn7px
