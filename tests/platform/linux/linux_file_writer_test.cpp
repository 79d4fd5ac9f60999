#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <optional>
#include <random>

#include "platform/linux/linux_file_writer.h"

namespace oryn7px {
namespace {

// What went wrong; none when the write succeeded.
std::optional<ErrorKind> FailureOf(const Status& status) {
    if (status) return std::nullopt;
    return status.Failure().kind;
}

class LinuxFileWriterTest : public ::testing::Test {
protected:
    LinuxFileWriterTest() { std::filesystem::create_directories(folder); }
    ~LinuxFileWriterTest() override { std::filesystem::remove_all(folder); }

    std::string Read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::optional<ErrorKind> Write(const std::filesystem::path& p, std::string_view text) {
        return FailureOf(writer.ReplaceFile(p, {reinterpret_cast<const uint8_t*>(text.data()), text.size()}));
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
    ASSERT_EQ(Write(file, "first"), std::nullopt);
    ::chmod(file.c_str(), 0640);
    ASSERT_EQ(Write(file, "second, longer"), std::nullopt);
    EXPECT_EQ(Read(file), "second, longer");
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left behind
}

TEST_F(LinuxFileWriterTest, FailuresLeaveTheOldFileWhole) {
    const auto file = folder / "keep.cfg";
    ASSERT_EQ(Write(file, "old"), std::nullopt);
    EXPECT_EQ(Write(folder / "missing" / "x.cfg", "new"), ErrorKind::kNotFound);
    std::filesystem::create_directory(folder / "dir.cfg");
    EXPECT_EQ(Write(folder / "dir.cfg", "new"), ErrorKind::kNotRegular);
    EXPECT_EQ(Write(file / "below-a-file", "new"), ErrorKind::kNotFound);
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(LinuxFileWriterTest, FollowsASymbolicLink) {
    const auto target = folder / "real.cfg";
    ASSERT_EQ(Write(target, "old"), std::nullopt);
    std::filesystem::create_symlink(target, folder / "link.cfg");
    ASSERT_EQ(Write(folder / "link.cfg", "new"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.cfg"));
    EXPECT_EQ(Read(target), "new");
}

// A device node or a FIFO named as the target is refused, never replaced by a regular file.
TEST_F(LinuxFileWriterTest, OnlyRegularFilesAreReplaced) {
    ASSERT_EQ(::mkfifo((folder / "fifo.cfg").c_str(), 0600), 0);
    EXPECT_EQ(Write(folder / "fifo.cfg", "new"), ErrorKind::kNotRegular);
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "fifo.cfg"));
    std::filesystem::create_symlink("/dev/null", folder / "null.cfg");
    EXPECT_NE(Write(folder / "null.cfg", "new"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_EQ(FilesInFolder(), 2u);
}

// Run as root (as people without the udev rule do), a link planted in the data folder must not
// make another user's file root's.
TEST_F(LinuxFileWriterTest, NeverWritesThroughALinkToAnotherUsersFile) {
    std::filesystem::path foreign = "/etc/passwd";  // not ours when not root: never written
    if (::geteuid() == 0) {
        foreign = folder / "other-user.cfg";
        ASSERT_EQ(Write(foreign, "theirs"), std::nullopt);
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    }
    const std::string before = Read(foreign);
    std::filesystem::create_symlink(foreign, folder / "link.cfg");
    EXPECT_EQ(Write(folder / "link.cfg", "mine"), ErrorKind::kForeignLink);
    EXPECT_EQ(Read(foreign), before);
    struct stat st {};
    ASSERT_EQ(::stat(foreign.c_str(), &st), 0);
    EXPECT_NE(st.st_uid, ::geteuid());
}

// A link that another user planted in their folder is never followed for writing, even to a file
// of the running user (root's own files are what such a link would aim at), nor a linked folder.
TEST_F(LinuxFileWriterTest, NeverWritesThroughALinkInAnotherUsersFolder) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a folder of another user";
    const auto theirs = folder / "theirs";
    const auto mine = folder / "mine";
    std::filesystem::create_directories(mine);
    std::filesystem::create_directories(theirs);
    ASSERT_EQ(Write(mine / "secret.cfg", "root's"), std::nullopt);
    std::filesystem::create_symlink(mine / "secret.cfg", theirs / "Sts.cfg");
    std::filesystem::create_directory_symlink(mine, theirs / "Profile");
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    EXPECT_EQ(Write(theirs / "Sts.cfg", "zeros"), ErrorKind::kForeignLink);
    EXPECT_EQ(Write(theirs / "Profile" / "Profile1.cfg", "root's profile"), ErrorKind::kForeignLink);
    EXPECT_EQ(Read(mine / "secret.cfg"), "root's");
    EXPECT_FALSE(std::filesystem::exists(mine / "Profile1.cfg"));
    EXPECT_EQ(Write(theirs / "plain.cfg", "fine"), std::nullopt) << "their folder itself may be written";
    ASSERT_EQ(::chown(theirs.c_str(), 0, 0), 0);
    EXPECT_EQ(Write(theirs / "Sts.cfg", "mine now"), std::nullopt) << "links in root's own folders are followed";
}

TEST_F(LinuxFileWriterTest, RootKeepsTheOwnerOfAUsersFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root";
    const auto file = folder / "users.cfg";
    ASSERT_EQ(Write(file, "old"), std::nullopt);
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    ASSERT_EQ(Write(file, "new"), std::nullopt);
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(Read(file), "new");
}

class FileSetTest : public LinuxFileWriterTest {
protected:
    std::span<const uint8_t> Bytes(std::string_view text) { return {reinterpret_cast<const uint8_t*>(text.data()), text.size()}; }
    std::filesystem::path journal = folder / "Replace.journal";
    std::vector<std::filesystem::path> targets{folder / "a.cfg", folder / "b.cfg", folder / "c.cfg"};
};

TEST_F(FileSetTest, ReplacesAllOrNone) {
    for (const auto& t : targets) ASSERT_EQ(Write(t, "old"), std::nullopt);
    std::filesystem::create_directory(folder / "dir.cfg");
    const FileReplacement failing[] = {{targets[0], Bytes("new")}, {targets[1], Bytes("new")}, {folder / "dir.cfg", Bytes("new")}};
    std::filesystem::path failed;
    EXPECT_EQ(FailureOf(writer.ReplaceFiles(failing, journal, &failed)), ErrorKind::kNotRegular);
    EXPECT_EQ(failed, folder / "dir.cfg");
    for (const auto& t : targets) EXPECT_EQ(Read(t), "old");
    EXPECT_EQ(FilesInFolder(), 4u);  // nothing prepared is left behind, no journal

    const FileReplacement whole[] = {{targets[0], Bytes("A")}, {targets[1], Bytes("B")}, {targets[2], Bytes("C")}};
    EXPECT_EQ(FailureOf(writer.ReplaceFiles(whole, journal, &failed)), std::nullopt);
    EXPECT_EQ(Read(targets[0]) + Read(targets[1]) + Read(targets[2]), "ABC");
    EXPECT_EQ(FilesInFolder(), 4u);
}

// What a writer killed at each moment leaves, and what the next start makes of it.
TEST_F(FileSetTest, AnInterruptedSetIsCompletedOrForgotten) {
    for (const auto& t : targets) ASSERT_EQ(Write(t, "old"), std::nullopt);
    auto prepared = [](const std::filesystem::path& t) { return std::filesystem::path(t) += ".pending"; };

    // Killed while preparing: no journal, so the prepared files are removed and the old set stays.
    ASSERT_EQ(Write(prepared(targets[0]), "new"), std::nullopt);
    writer.FinishReplacement(journal, targets);
    for (const auto& t : targets) EXPECT_EQ(Read(t), "old");
    EXPECT_EQ(FilesInFolder(), 3u);

    // Killed between the renames: the journal completes the set.
    ASSERT_EQ(Write(targets[0], "new"), std::nullopt);
    for (std::size_t i = 1; i < targets.size(); ++i) ASSERT_EQ(Write(prepared(targets[i]), "new"), std::nullopt);
    std::string listed;
    for (const auto& t : targets) listed += t.string() + '\0';
    ASSERT_EQ(FailureOf(writer.ReplaceFile(journal, Bytes(listed))), std::nullopt);
    writer.FinishReplacement(journal, targets);
    for (const auto& t : targets) EXPECT_EQ(Read(t), "new");
    EXPECT_EQ(FilesInFolder(), 3u);

    // A journal never renames a file the caller does not name.
    const auto stranger = folder / "stranger.cfg";
    ASSERT_EQ(Write(stranger, "keep"), std::nullopt);
    ASSERT_EQ(Write(prepared(stranger), "evil"), std::nullopt);
    ASSERT_EQ(FailureOf(writer.ReplaceFile(journal, Bytes(stranger.string() + '\0'))), std::nullopt);
    writer.FinishReplacement(journal, targets);
    EXPECT_EQ(Read(stranger), "keep");
    EXPECT_FALSE(std::filesystem::exists(journal));
}

// Whatever a data file links to, the clean-up touches nothing but the companions beside the names
// it is given: not the linked file's companion, not a ".pending" in the linked or current folder.
TEST_F(FileSetTest, AnInterruptedSetNeverReachesThroughALink) {
    const auto outside = folder / "outside";
    std::filesystem::create_directory(outside);
    ASSERT_EQ(Write(outside / "real.cfg", "mine"), std::nullopt);
    const std::filesystem::path bystanders[] = {outside / "real.cfg.pending", outside / ".pending",
                                                std::filesystem::current_path() / ".pending"};
    const bool cwdHadOne = std::filesystem::exists(bystanders[2]);
    for (const auto& file : bystanders) {
        if (!std::filesystem::exists(file)) ASSERT_EQ(Write(file, "bystander"), std::nullopt);
    }
    const std::filesystem::path linkTargets[] = {outside / "real.cfg", "outside/real.cfg", outside, outside / "missing.cfg",
                                                 "."};
    for (const auto& linkTarget : linkTargets) {
        std::filesystem::remove(targets[0]);
        std::filesystem::create_symlink(linkTarget, targets[0]);
        const std::string listed = (outside / "real.cfg").string() + '\0' + outside.string() + '\0';
        ASSERT_EQ(FailureOf(writer.ReplaceFile(journal, Bytes(listed))), std::nullopt);
        writer.FinishReplacement(journal, targets);
        for (const auto& file : bystanders) EXPECT_TRUE(std::filesystem::exists(file)) << file << " via " << linkTarget;
        EXPECT_EQ(Read(outside / "real.cfg"), "mine") << "via " << linkTarget;
    }
    if (!cwdHadOne) std::filesystem::remove(bystanders[2]);
}

}  // namespace
}  // namespace oryn7px
