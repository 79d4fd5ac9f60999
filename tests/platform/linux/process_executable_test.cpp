#include "platform/linux/process_executable.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace oryn7px {
namespace {

namespace fs = std::filesystem;

TEST(ExecutableName, TheFileNameOrForWineTheWindowsProgramsName) {
    const struct {
        const char* exeTarget;
        const char* firstArgument;
        const char* expected;
    } cases[] = {
        {"/usr/lib/firefox/firefox", "/usr/lib/firefox/firefox", "firefox"},
        {"/usr/bin/python3.11", "python3", "python3.11"},
        {"/opt/game/game.x86_64 (deleted)", "./game.x86_64", "game.x86_64"},
        {"/usr/bin/wine64-preloader", "C:\\Games\\Shooter\\game.exe", "game.exe"},
        {"/usr/lib/wine/wine-preloader", "Z:\\home\\me\\tool.exe", "tool.exe"},
        {"/usr/bin/wine", "/home/me/.wine/drive_c/setup.exe", "setup.exe"},
        {"/usr/bin/wine64", "", "wine64"},
        {"/usr/bin/winecfg", "C:\\x.exe", "winecfg"},
        {"", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ExecutableName(c.exeTarget, c.firstArgument), c.expected) << c.exeTarget;
}

TEST(ProcessExecutableName, ReadsTheLinkAndTheFirstArgumentOfTheProcess) {
    EXPECT_EQ(ProcessExecutableName(static_cast<uint32_t>(getpid())),
              fs::read_symlink("/proc/self/exe").filename().string());

    char pattern[] = "/tmp/oryn7px-proc-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path proc = pattern;
    fs::create_directories(proc / "42");
    fs::create_symlink("/usr/bin/wine64-preloader", proc / "42" / "exe");
    std::ofstream(proc / "42" / "cmdline", std::ios::binary) << std::string("C:\\Games\\game.exe\0-fullscreen\0", 30);
    EXPECT_EQ(ProcessExecutableName(42, proc.string()), "game.exe");
    // Gone, never there, or no process at all.
    EXPECT_EQ(ProcessExecutableName(43, proc.string()), "");
    EXPECT_EQ(ProcessExecutableName(0, proc.string()), "");
    fs::remove_all(proc);
}

}  // namespace
}  // namespace oryn7px
