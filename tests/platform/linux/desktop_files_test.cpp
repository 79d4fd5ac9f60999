// The small per-user files of the desktop integration: the autostart entry and the memory of
// which desktop situation was already announced.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "platform/linux/desktop_notice_memory.h"
#include "platform/linux/linux_file_writer.h"
#include "platform/linux/xdg_autostart.h"

namespace oryn7px {
namespace {

namespace fs = std::filesystem;

class DesktopFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("oryn7px-desktop-" + std::to_string(std::random_device{}()));
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path root;
    LinuxFileWriter writer;
};

TEST_F(DesktopFilesTest, AutostartEntryIsWrittenReadAndRemoved) {
    const fs::path entry = DefaultAutostartEntry(root / "config");
    EXPECT_EQ(entry, root / "config" / "autostart" / "com.tavik.oryn7px.desktop");
    XdgAutostart autostart(writer, entry, "/opt/oryn7px/oryn7px");
    EXPECT_FALSE(autostart.IsEnabled());
    // A fresh account has no autostart folder yet.
    ASSERT_TRUE(autostart.SetEnabled(true));
    EXPECT_TRUE(autostart.IsEnabled());
    EXPECT_NE(Read(entry).find("\nExec=/opt/oryn7px/oryn7px --hidden\n"), std::string::npos);
    ASSERT_TRUE(autostart.SetEnabled(false));
    EXPECT_FALSE(autostart.IsEnabled());
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_TRUE(autostart.SetEnabled(false));  // removing what is gone is no failure
}

TEST_F(DesktopFilesTest, AutostartThatCannotBeWrittenSaysSoAndLeavesNothing) {
    // The autostart "folder" is a file: neither the folder nor the entry can be made.
    std::ofstream(root / "autostart") << "not a folder";
    XdgAutostart autostart(writer, root / "autostart" / "com.tavik.oryn7px.desktop", "/x");
    EXPECT_FALSE(autostart.SetEnabled(true));
    EXPECT_FALSE(autostart.IsEnabled());
    EXPECT_EQ(Read(root / "autostart"), "not a folder");
    XdgAutostart nowhere(writer, {}, "/x");
    EXPECT_FALSE(nowhere.SetEnabled(true));
    EXPECT_FALSE(nowhere.IsEnabled());
}

TEST_F(DesktopFilesTest, ASituationIsNewOnceAndTheOtherKeysStay) {
    const fs::path file = DefaultDesktopNoticeFile(root / "config");
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "[Other]\nKept=1\n";
    DesktopNoticeMemory memory(writer, file);
    EXPECT_TRUE(memory.IsNew("wayland none none"));
    EXPECT_FALSE(memory.IsNew("wayland none none"));
    EXPECT_TRUE(memory.IsNew("wayland evdev gnome"));
    EXPECT_FALSE(memory.IsNew("wayland evdev gnome"));
    EXPECT_NE(Read(file).find("[Other]\nKept=1\n"), std::string::npos);
}

TEST_F(DesktopFilesTest, AMemoryThatCannotBeKeptSaysItEachTime) {
    DesktopNoticeMemory nowhere(writer, {});
    EXPECT_TRUE(nowhere.IsNew("x"));
    EXPECT_TRUE(nowhere.IsNew("x"));
    fs::create_directories(root / "desktop.ini");  // a folder where the file should be
    DesktopNoticeMemory blocked(writer, root / "desktop.ini");
    EXPECT_TRUE(blocked.IsNew("x"));
    EXPECT_TRUE(blocked.IsNew("x"));
    EXPECT_TRUE(fs::is_directory(root / "desktop.ini"));
}

}  // namespace
}  // namespace oryn7px
