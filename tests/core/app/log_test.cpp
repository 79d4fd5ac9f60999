#include "core/app/log.h"

#include <gtest/gtest.h>

#include "fakes/memory_log_files.h"

namespace oryn7px {
namespace {

std::tm FixedTime() {
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;  // March
    t.tm_mday = 7;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 3;
    return t;
}

class LogTest : public ::testing::Test {
protected:
    testing::MemoryLogFiles files;
    CLog log{files, FixedTime};
    const std::filesystem::path path = LogFilePath("/tmp");
};

TEST_F(LogTest, PathIsBelowTheTemporaryFolder) {
    EXPECT_EQ(path, std::filesystem::path("/tmp/TAVIK/ORYN7PX/LogFile.txt"));
}

TEST_F(LogTest, EntriesAreTaggedByLevelAndStampedWithLocalTime) {
    log.Open(path, 3);
    log.Write("dwKey = 0x204, dwKeyFunction = 0xd0, PathName = /usr/bin/true", 1);
    log.Write("careful", 2);
    log.Write("plain", 3);
    log.Close();
    EXPECT_EQ(files.files[path],
              "[ERROR] dwKey = 0x204, dwKeyFunction = 0xd0, PathName = /usr/bin/true\t\t\t[2024-03-07 09:05:03]\n"
              "[WARN] careful\t\t\t[2024-03-07 09:05:03]\n"
              "plain\t\t\t[2024-03-07 09:05:03]\n");
}

TEST_F(LogTest, AnEntryStaysOneLineWhateverItCarries) {
    log.Open(path, 3);
    log.Write("PathName = /tmp/a\n[ERROR] forged\r\x1b[2J\x7f\xc2\x9b\tend \xc3\xa9", 1);
    log.Close();
    EXPECT_EQ(files.files[path], "[ERROR] PathName = /tmp/a\\x0A[ERROR] forged\\x0D\\x1B[2J\\x7F\\x9B\tend \xc3\xa9"
                                 "\t\t\t[2024-03-07 09:05:03]\n");
}

TEST_F(LogTest, LevelsAboveTheThresholdAndClosedLogsWriteNothing) {
    log.Write("before open", 1);
    log.Open(path, 1);
    log.Write("warning dropped", 2);
    log.Write("kept", 0);
    log.Close();
    log.Write("after close", 1);
    log.Close();  // a second close is harmless
    log.Open({}, 3);  // no path: the closed stream stays closed
    log.Write("still closed", 1);
    EXPECT_EQ(files.files[path], "[ERROR] kept\t\t\t[2024-03-07 09:05:03]\n");
    EXPECT_EQ(log.Size(), 0u);
}

TEST_F(LogTest, AnOversizedFileStartsOverWithTheNewEntry) {
    files.files[path] = std::string(CLog::kSizeLimit, 'x');
    WriteLogEntry(log, path, "at the limit", 1);
    EXPECT_EQ(files.files[path].substr(CLog::kSizeLimit), "[ERROR] at the limit\t\t\t[2024-03-07 09:05:03]\n");
    files.files[path] = std::string(CLog::kSizeLimit + 1, 'x');
    log.Open(path, 3);
    EXPECT_EQ(log.Size(), CLog::kSizeLimit + 1);
    log.Write("first line again", 1);
    log.Close();
    EXPECT_EQ(files.files[path], "[ERROR] first line again\t\t\t[2024-03-07 09:05:03]\n");
}

TEST_F(LogTest, AFileThatCannotBeOpenedIsSilentlySkipped) {
    files.refused.insert(path);
    WriteLogEntry(log, path, "lost", 1);
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(files.files.count(path), 0u);
}

}  // namespace
}  // namespace oryn7px
