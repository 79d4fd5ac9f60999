#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <random>

#include "platform/linux/linux_file_writer.h"

namespace oryn7px {
namespace {

class LinuxFileWriterTest : public ::testing::Test {
protected:
    LinuxFileWriterTest() { std::filesystem::create_directories(folder); }
    ~LinuxFileWriterTest() override { std::filesystem::remove_all(folder); }

    std::string Read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    FileError Write(const std::filesystem::path& p, std::string_view text) {
        return writer.ReplaceFile(p, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    }
    std::size_t FilesInFolder() {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
    }

    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("oryn7px-writer-" + std::to_string(std::random_device{}()));
    LinuxFileWriter writer;
};

TEST_F(LinuxFileWriterTest, CreatesAndReplacesKeepingTheMode) {
    const auto file = folder / "a.cfg";
    ASSERT_EQ(Write(file, "first"), FileError::kNone);
    ::chmod(file.c_str(), 0640);
    ASSERT_EQ(Write(file, "second, longer"), FileError::kNone);
    EXPECT_EQ(Read(file), "second, longer");
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left behind
}

TEST_F(LinuxFileWriterTest, FailuresLeaveTheOldFileWhole) {
    const auto file = folder / "keep.cfg";
    ASSERT_EQ(Write(file, "old"), FileError::kNone);
    EXPECT_EQ(Write(folder / "missing" / "x.cfg", "new"), FileError::kNotFound);
    std::filesystem::create_directory(folder / "dir.cfg");
    EXPECT_EQ(Write(folder / "dir.cfg", "new"), FileError::kOther);
    EXPECT_EQ(Write(file / "below-a-file", "new"), FileError::kNotFound);
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(LinuxFileWriterTest, FollowsASymbolicLink) {
    const auto target = folder / "real.cfg";
    ASSERT_EQ(Write(target, "old"), FileError::kNone);
    std::filesystem::create_symlink(target, folder / "link.cfg");
    ASSERT_EQ(Write(folder / "link.cfg", "new"), FileError::kNone);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.cfg"));
    EXPECT_EQ(Read(target), "new");
}

}  // namespace
}  // namespace oryn7px
