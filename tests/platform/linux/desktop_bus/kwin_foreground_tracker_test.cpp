#include "platform/linux/kwin_foreground_tracker.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fake_kwin_scripting.h"
#include "private_bus.h"
#include "support/child_process.h"
#include "support/foreground_reports.h"

namespace oryn7px {
namespace {

std::string ThisExecutable() { return std::filesystem::read_symlink("/proc/self/exe").filename().string(); }

// A browser (this test's own process, so its executable is known), a game, and a panel.
std::vector<FakeWindow> Desktop() {
    return {{"firefox", static_cast<uint32_t>(getpid()), "Mozilla Firefox", true},
            {"game.exe", 0, "Shooter", true},
            {"plasmashell", 0, "Panel", false}};
}

std::vector<std::string> Classes(const std::vector<ForegroundProgram>& programs) {
    std::vector<std::string> classes;
    for (const ForegroundProgram& program : programs) classes.push_back(program.windowClass);
    return classes;
}

// The unique bus name the script reports to, from the script KWin was given.
std::string ReportedTo(const std::string& script) {
    const std::string marker = "var oryn7pxService = \"";
    const size_t start = script.find(marker);
    if (start == std::string::npos) return {};
    const size_t from = start + marker.size();
    return script.substr(from, script.find('"', from) - from);
}

class KWinForegroundTrackerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrivateBusFailure().empty()) GTEST_SKIP() << PrivateBusFailure();
    }

    void StartKWin(KWinApi api) {
        kwin = std::make_unique<FakeKWinScripting>(api, Desktop(), 0);
        ASSERT_EQ(kwin->Failure(), "");
    }

    std::unique_ptr<FakeKWinScripting> kwin;
    KWinForegroundTracker tracker;
    test::ForegroundReports reports;
};

TEST_F(KWinForegroundTrackerTest, OnKWin5And6TheScriptReportsTheWindowInFrontAndTheWindows) {
    for (const KWinApi api : {KWinApi::kKWin6, KWinApi::kKWin5}) {
        SCOPED_TRACE(api == KWinApi::kKWin6 ? "KWin 6" : "KWin 5");
        test::ForegroundReports heard;
        StartKWin(api);
        const Status started = tracker.Start(heard.Sink());
        ASSERT_TRUE(started.Ok()) << started.Failure().message;

        const std::vector<std::string> calls = kwin->Calls();
        ASSERT_EQ(calls.size(), 3u);
        EXPECT_EQ(calls[0], "isScriptLoaded oryn7px-foreground");
        EXPECT_TRUE(calls[1].starts_with("loadScript ") && calls[1].ends_with(".js oryn7px-foreground")) << calls[1];
        EXPECT_EQ(calls[2], "start");

        // The window in front when the script starts, with its process and executable.
        ASSERT_TRUE(WaitUntil([&] { return !heard.Programs().empty(); })) << ::testing::PrintToString(kwin->ScriptErrors());
        const ForegroundProgram first = heard.Programs().front();
        EXPECT_EQ(first.windowClass, "firefox");
        EXPECT_EQ(first.pid, static_cast<uint32_t>(getpid()));
        EXPECT_EQ(first.executable, ThisExecutable());
        EXPECT_EQ(first.title, "Mozilla Firefox");

        kwin->Activate(1);
        ASSERT_TRUE(WaitUntil([&] { return heard.LastClass() == "game.exe"; }));
        kwin->Open({"org.kde.konsole", 0, "Konsole", true});
        kwin->Activate(3);
        ASSERT_TRUE(WaitUntil([&] { return heard.LastClass() == "org.kde.konsole"; }));
        EXPECT_EQ(Classes(heard.Programs()),
                  (std::vector<std::string>{"firefox", "game.exe", "org.kde.konsole"}));
        // The panel is no program to choose.
        EXPECT_EQ(Classes(tracker.ProgramsWithWindows()),
                  (std::vector<std::string>{"firefox", "game.exe", "org.kde.konsole"}));
        EXPECT_TRUE(kwin->ScriptErrors().empty()) << kwin->ScriptErrors().front();

        const std::string script = calls[1].substr(std::string("loadScript ").size(),
                                                   calls[1].size() - std::string("loadScript  oryn7px-foreground").size());
        EXPECT_TRUE(std::filesystem::exists(script)) << script;
        tracker.Stop();
        EXPECT_EQ(kwin->Calls().back(), "unloadScript oryn7px-foreground");
        EXPECT_EQ(kwin->RunningScripts(), 0u);
        EXPECT_FALSE(std::filesystem::exists(script)) << script;
        EXPECT_TRUE(tracker.ProgramsWithWindows().empty());
        kwin.reset();
    }
}

TEST_F(KWinForegroundTrackerTest, AClosedWindowLeavesTheListAndIsNeverReported) {
    StartKWin(KWinApi::kKWin6);
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());
    ASSERT_TRUE(WaitUntil([&] { return tracker.ProgramsWithWindows().size() == 2; }));
    kwin->Activate(1);
    ASSERT_TRUE(WaitUntil([&] { return reports.LastClass() == "game.exe"; }));
    kwin->Close(1);
    ASSERT_TRUE(WaitUntil([&] { return tracker.ProgramsWithWindows().size() == 1; }));
    EXPECT_EQ(Classes(tracker.ProgramsWithWindows()), std::vector<std::string>{"firefox"});
    EXPECT_EQ(Classes(reports.Programs()), (std::vector<std::string>{"firefox", "game.exe"}));
}

TEST_F(KWinForegroundTrackerTest, AScriptLeftByAnEarlierRunIsUnloadedBeforeOursIsLoaded) {
    StartKWin(KWinApi::kKWin6);
    kwin->LeaveScript("oryn7px-foreground");
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());
    const std::vector<std::string> calls = kwin->Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0], "isScriptLoaded oryn7px-foreground");
    EXPECT_EQ(calls[1], "unloadScript oryn7px-foreground");
    EXPECT_TRUE(calls[2].starts_with("loadScript "));
    EXPECT_EQ(calls[3], "start");
    ASSERT_TRUE(WaitUntil([&] { return reports.LastClass() == "firefox"; }));
}

TEST_F(KWinForegroundTrackerTest, ARefusedScriptFailsStartAndLeavesNoFileBehind) {
    StartKWin(KWinApi::kKWin6);
    kwin->RefuseScripts();
    const Status started = tracker.Start(reports.Sink());
    ASSERT_FALSE(started.Ok());
    EXPECT_NE(started.Failure().message.find("refused"), std::string::npos) << started.Failure().message;
    for (const auto& entry : std::filesystem::directory_iterator(std::getenv("XDG_RUNTIME_DIR"))) {
        EXPECT_FALSE(entry.path().filename().string().starts_with("oryn7px-foreground")) << entry.path();
    }
}

TEST_F(KWinForegroundTrackerTest, WithoutKWinStartSaysSo) {
    const Status started = tracker.Start(reports.Sink());
    ASSERT_FALSE(started.Ok());
    EXPECT_NE(started.Failure().message.find("KWin is not on the session bus"), std::string::npos)
        << started.Failure().message;
}

// Reports arrive over the bus: only KWin's count, and a damaged one changes nothing.
TEST_F(KWinForegroundTrackerTest, DamagedReportsAndReportsFromOtherProgramsAreIgnored) {
    StartKWin(KWinApi::kKWin6);
    ASSERT_TRUE(tracker.Start(reports.Sink()).Ok());
    ASSERT_TRUE(WaitUntil([&] { return reports.LastClass() == "firefox"; }));
    const std::string tracker_ = ReportedTo(kwin->StartedScript());
    ASSERT_FALSE(tracker_.empty());

    for (const std::string& damaged :
         {std::string("not json"), std::string("[]"), std::string("{\"active\": 5, \"windows\": 7}"),
          std::string("{\"active\": {\"class\": 7, \"pid\": \"x\"}, \"windows\": [1, null]}"),
          std::string("{\"active\": {\"class\": \"huge\"}, \"pad\": \"") + std::string(2 << 20, 'x') + "\"}"}) {
        kwin->SendReport(tracker_, damaged);
    }
    GDBusConnection* other = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    GVariant* reply = g_dbus_connection_call_sync(
        other, tracker_.c_str(), "/com/tavik/oryn7px/Foreground", "com.tavik.oryn7px.Foreground", "Report",
        g_variant_new("(s)", R"({"active": {"class": "intruder", "pid": 1}, "windows": []})"), nullptr,
        G_DBUS_CALL_FLAGS_NONE, 3000, nullptr, nullptr);
    if (reply) g_variant_unref(reply);
    g_object_unref(other);

    kwin->Activate(1);
    ASSERT_TRUE(WaitUntil([&] { return reports.LastClass() == "game.exe"; }));
    EXPECT_EQ(Classes(reports.Programs()), (std::vector<std::string>{"firefox", "game.exe"}));
    EXPECT_EQ(Classes(tracker.ProgramsWithWindows()), (std::vector<std::string>{"firefox", "game.exe"}));
}

}  // namespace
}  // namespace oryn7px
