#include "platform/linux/wlroots_foreground_tracker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_compositor.h"
#include "platform/linux/wlroots_toplevel_list.h"
#include "support/foreground_reports.h"

namespace oryn7px {
namespace {

// Sway without outputs or input devices, with two windows of different app ids.
class WlrootsForegroundTrackerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* program : {"sway", "swaymsg"}) {
            if (!Installed(program)) GTEST_SKIP() << program << " is not installed (scripts/packages.txt)";
        }
        ASSERT_FALSE(sway.Socket().empty()) << "sway did not start: " << sway.Log();
        display.emplace(sway.Socket());
        sway.OpenWindow("oryn-test-alpha", "Alpha");
        sway.OpenWindow("oryn-test-beta", "Beta");
        ASSERT_TRUE(WaitUntil([&] {
            const std::vector<ForegroundProgram> programs = probe.ProgramsWithWindows();
            return test::ListsClass(programs, "oryn-test-alpha") && test::ListsClass(programs, "oryn-test-beta");
        })) << "the two windows never appeared: " << sway.Log();
    }

    HeadlessCompositor sway{HeadlessCompositor::Kind::kSway};
    std::optional<ScopedWaylandDisplay> display;
    WlrootsForegroundTracker probe;
    WlrootsForegroundTracker tracker;
    test::ForegroundReports reports;
};

TEST_F(WlrootsForegroundTrackerTest, EachWindowFocusedInTurnIsReportedByItsAppId) {
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());
    for (const char* appId : {"oryn-test-alpha", "oryn-test-beta", "oryn-test-alpha"}) {
        ASSERT_TRUE(sway.Focus(appId)) << appId;
        ASSERT_TRUE(WaitUntil([&] { return reports.LastClass() == appId; })) << appId << " never reported";
    }
    const std::vector<ForegroundProgram> seen = reports.Programs();
    const ForegroundProgram& last = seen.back();
    EXPECT_EQ(last.title, "Alpha");
    // Wayland names no process.
    EXPECT_EQ(last.executable, "");
    EXPECT_EQ(last.pid, 0u);
    for (size_t i = 1; i < seen.size(); ++i) EXPECT_NE(seen[i].windowClass, seen[i - 1].windowClass) << i;
}

TEST_F(WlrootsForegroundTrackerTest, TheWindowInFrontIsReportedAtStartAndTheWindowsAreListed) {
    ASSERT_TRUE(sway.Focus("oryn-test-beta"));
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());
    ASSERT_TRUE(WaitUntil([&] { return !reports.Programs().empty(); }));
    EXPECT_EQ(reports.Programs().front().windowClass, "oryn-test-beta");
    ASSERT_TRUE(WaitUntil([&] { return tracker.ProgramsWithWindows().size() == 2; }));
    EXPECT_TRUE(test::ListsClass(tracker.ProgramsWithWindows(), "oryn-test-alpha"));
}

TEST_F(WlrootsForegroundTrackerTest, NothingIsReportedAfterStop) {
    ASSERT_TRUE(sway.Focus("oryn-test-alpha"));
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());
    ASSERT_TRUE(WaitUntil([&] { return reports.LastClass() == "oryn-test-alpha"; }));
    tracker.Stop();
    ASSERT_TRUE(sway.Focus("oryn-test-beta"));
    // A second tracker sees the change, so the stopped one had it to see as well.
    test::ForegroundReports other;
    WlrootsForegroundTracker witness;
    ASSERT_TRUE(witness.Start(other.Sink()).Ok());
    ASSERT_TRUE(WaitUntil([&] { return other.LastClass() == "oryn-test-beta"; }));
    EXPECT_EQ(reports.Programs().size(), 1u);
}

TEST_F(WlrootsForegroundTrackerTest, ACompositorThatGoesAwayEndsTheTrackerQuietly) {
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());
    sway.Kill();
    tracker.Stop();
    EXPECT_TRUE(tracker.ProgramsWithWindows().empty());
}

TEST(WlrootsForegroundTracker, ACompositorWithoutTheWindowListIsRefusedWithTheReason) {
    if (!Installed("weston")) GTEST_SKIP() << "weston is not installed (scripts/packages.txt)";
    HeadlessCompositor weston(HeadlessCompositor::Kind::kWeston);
    ASSERT_FALSE(weston.Socket().empty()) << "weston did not start: " << weston.Log();
    ScopedWaylandDisplay display(weston.Socket());
    EXPECT_FALSE(WlrootsToplevelsOffered());
    WlrootsForegroundTracker tracker;
    const Status started = tracker.Start([](const ForegroundProgram&) {});
    ASSERT_FALSE(started.Ok());
    EXPECT_NE(started.Failure().message.find("does not list its windows"), std::string::npos);
}

TEST(WlrootsForegroundTracker, WithoutACompositorStartSaysSo) {
    ScopedWaylandDisplay display("/nonexistent/wayland-0");
    EXPECT_FALSE(WlrootsToplevelsOffered());
    WlrootsForegroundTracker tracker;
    const Status started = tracker.Start([](const ForegroundProgram&) {});
    ASSERT_FALSE(started.Ok());
    EXPECT_NE(started.Failure().message.find("cannot connect"), std::string::npos);
    EXPECT_TRUE(tracker.ProgramsWithWindows().empty());
}

}  // namespace
}  // namespace oryn7px
