#include "platform/linux/linux_shell.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace oryn7px {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

// Waits for a file to reach the expected number of lines (the started programs run detached).
std::string WaitForLines(const fs::path& path, std::size_t lines) {
    for (int i = 0; i < 200; ++i) {
        const std::string content = ReadFile(path);
        if (static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) >= lines) return content;
        std::this_thread::sleep_for(20ms);
    }
    return ReadFile(path);
}

class LinuxShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/oryn7px-shell-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        // Records each argument on a line of its own.
        recorder = dir / "record args";
        std::ofstream(recorder) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> \"" << (dir / "args").string()
                                << "\"; done\n";
        fs::permissions(recorder, fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    fs::path recorder;
};

TEST_F(LinuxShellTest, AProgramStartsInTheFolderItIsGiven) {
    const fs::path where = dir / "image folder";
    fs::create_directory(where);
    const fs::path script = dir / "pwd";
    std::ofstream(script) << "#!/bin/sh\npwd > \"" << (dir / "args").string() << "\"\n";
    fs::permissions(script, fs::perms::owner_all);
    LinuxShell shell;
    ASSERT_TRUE(shell.RunProgramIn(script, {}, where));
    EXPECT_EQ(WaitForLines(dir / "args", 1), where.string() + "\n");
    EXPECT_FALSE(shell.RunProgramIn(dir / "missing", {}, where));
}

TEST_F(LinuxShellTest, ProgramsGetTheirArgumentsVerbatimWithoutAShell) {
    LinuxShell shell;
    const std::string tricky = "a b; touch " + (dir / "injected").string() + " $(id)";
    ASSERT_TRUE(shell.RunProgram(recorder, {tricky, "*"}));
    EXPECT_EQ(WaitForLines(dir / "args", 2), tricky + "\n*\n");
    EXPECT_FALSE(fs::exists(dir / "injected"));
}

TEST_F(LinuxShellTest, AMissingProgramIsReportedAsNotStarted) {
    LinuxShell shell;
    EXPECT_FALSE(shell.RunProgram(dir / "no such program", {}));
    EXPECT_FALSE(shell.RunProgram({}, {}));
}

TEST_F(LinuxShellTest, OpenHandsTheTargetToTheOpenerAsOneArgument) {
    LinuxShell shell(LinuxShell::Programs{{}, recorder.string()});
    ASSERT_TRUE(shell.Open("/home/user/My Games/notes.txt"));
    EXPECT_EQ(WaitForLines(dir / "args", 1), "/home/user/My Games/notes.txt\n");
    ASSERT_TRUE(shell.Open("-rf"));
    EXPECT_EQ(WaitForLines(dir / "args", 2), "/home/user/My Games/notes.txt\n./-rf\n");
    EXPECT_FALSE(shell.Open(""));
}

TEST_F(LinuxShellTest, ANewSoundStopsTheOneStillPlaying) {
    const fs::path player = dir / "player";
    std::ofstream(player) << "#!/bin/sh\necho $$ >> \"" << (dir / "pids").string() << "\"\nexec sleep 30\n";
    fs::permissions(player, fs::perms::owner_all);
    LinuxShell shell(LinuxShell::Programs{{(dir / "missing player").string(), player.string()}, "xdg-open"});
    ASSERT_TRUE(shell.PlaySoundAsync(dir / "first.wav"));
    const pid_t first = std::stoi(WaitForLines(dir / "pids", 1));
    ASSERT_TRUE(shell.PlaySoundAsync(dir / "second.wav"));
    const std::string pids = WaitForLines(dir / "pids", 2);
    const pid_t second = std::stoi(pids.substr(pids.find('\n') + 1));
    bool firstGone = false;
    for (int i = 0; i < 200 && !firstGone; ++i) {
        firstGone = kill(first, 0) != 0;
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_TRUE(firstGone);
    EXPECT_EQ(kill(second, 0), 0);
    kill(second, SIGTERM);
}

TEST_F(LinuxShellTest, ASoundPathIsNeverThePlayersOption) {
    LinuxShell shell(LinuxShell::Programs{{recorder.string()}, "xdg-open"});
    ASSERT_TRUE(shell.PlaySoundAsync("--help"));
    EXPECT_EQ(WaitForLines(dir / "args", 1), "./--help\n");
    ASSERT_TRUE(shell.PlaySoundAsync("/sounds/-ding.wav"));
    EXPECT_EQ(WaitForLines(dir / "args", 2), "./--help\n/sounds/-ding.wav\n");
}

TEST_F(LinuxShellTest, NoPlayerMeansNoSound) {
    LinuxShell shell(LinuxShell::Programs{{(dir / "missing player").string()}, "xdg-open"});
    EXPECT_FALSE(shell.PlaySoundAsync(dir / "a.wav"));
}

}  // namespace
}  // namespace oryn7px
