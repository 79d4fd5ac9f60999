#include "platform/linux/safe_log_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "core/app/log.h"

namespace oryn7px {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

class SafeLogFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/oryn7px-log-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        temp = pattern;
        fs::create_directories(temp / "TAVIK" / "ORYN7PX");
    }
    void TearDown() override { fs::remove_all(temp); }

    fs::path temp;
    SafeLogFileOpener opener;
};

TEST_F(SafeLogFileTest, HostActionEntriesReachTheFileInTheTempFolder) {
    CLog log(opener);
    const fs::path path = LogFilePath(temp);
    WriteLogEntry(log, path, "one", CLog::kError);
    WriteLogEntry(log, path, "two", CLog::kError);
    const std::string content = ReadFile(path);
    EXPECT_EQ(content.rfind("[ERROR] one\t\t\t[", 0), 0u) << content;
    EXPECT_NE(content.find("]\n[ERROR] two\t\t\t["), std::string::npos) << content;
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SafeLogFileTest, TruncateEmptiesTheFile) {
    const fs::path path = LogFilePath(temp);
    std::ofstream(path) << "old entries\n";
    auto file = opener.Open(path, true);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Size(), 0u);
    file->Append("new\n");
    file.reset();
    EXPECT_EQ(ReadFile(path), "new\n");
}

TEST_F(SafeLogFileTest, SymbolicLinksAreNeverFollowed) {
    const fs::path victim = temp / "victim.txt";
    std::ofstream(victim) << "precious\n";
    const fs::path path = LogFilePath(temp);
    fs::create_symlink(victim, path);
    EXPECT_FALSE(opener.Open(path, true));

    // A linked folder on the way is refused as well.
    fs::remove(path);
    fs::create_directories(temp / "elsewhere");
    fs::remove_all(temp / "TAVIK" / "ORYN7PX");
    fs::create_directory_symlink(temp / "elsewhere", temp / "TAVIK" / "ORYN7PX");
    EXPECT_FALSE(opener.Open(path, false));
    EXPECT_FALSE(fs::exists(temp / "elsewhere" / "LogFile.txt"));
    EXPECT_EQ(ReadFile(victim), "precious\n");
}

TEST_F(SafeLogFileTest, FoldersAndFilesOfAnotherUserAreRefused) {
    const fs::path path = LogFilePath(temp);
    std::ofstream(path) << "theirs\n";
    // Everything here belongs to the test's user; an opener for someone else must refuse it all.
    SafeLogFileOpener otherUser(geteuid() + 1);
    EXPECT_FALSE(otherUser.Open(path, true));
    EXPECT_EQ(ReadFile(path), "theirs\n");
}

TEST_F(SafeLogFileTest, AMissingFolderIsNotCreated) {
    fs::remove_all(temp / "TAVIK");
    EXPECT_FALSE(opener.Open(LogFilePath(temp), false));
    EXPECT_FALSE(fs::exists(temp / "TAVIK"));
    EXPECT_FALSE(opener.Open("relative/LogFile.txt", false));
}

}  // namespace
}  // namespace oryn7px
