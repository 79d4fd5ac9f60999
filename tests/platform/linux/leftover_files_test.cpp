#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <set>

#include "platform/linux/leftover_files.h"

namespace oryn7px {
namespace {

TEST(LeftoverFiles, TemporaryNamesOfTheFileWriter) {
    struct Case {
        std::string_view name;
        std::optional<long> writer;
    };
    const Case cases[] = {
        {"Macro.cfg.tmp-4242-0", 4242},
        {"ConfigInfo.cfg.tmp-17-123", 17},
        {"a.tmp-b.tmp-99-1", 99},
        {"Macro.cfg", std::nullopt},
        {"Macro.cfg.tmp-", std::nullopt},
        {"Macro.cfg.tmp-4242", std::nullopt},
        {"Macro.cfg.tmp-4242-", std::nullopt},
        {"Macro.cfg.tmp--5-1", std::nullopt},
        {"Macro.cfg.tmp-0-1", std::nullopt},
        {"Macro.cfg.tmp-12x-1", std::nullopt},
        {"Macro.cfg.tmp-12-1x", std::nullopt},
        {"Macro.cfg.tmp-99999999999999999999-1", std::nullopt},
        {".tmp-12-1", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(TemporaryFileWriter(c.name), c.writer) << c.name;
}

TEST(LeftoverFiles, ThisProcessAndTheFirstProcessAreRunning) {
    EXPECT_TRUE(ProcessRunning(::getpid()));
    EXPECT_TRUE(ProcessRunning(1));
}

class LeftoverFilesSweep : public ::testing::Test {
protected:
    ~LeftoverFilesSweep() override { std::filesystem::remove_all(folder); }

    void Touch(const std::string& name, const std::string& content = "x") {
        std::ofstream(folder / name) << content;
    }

    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
        return names;
    }

    std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("oryn7px-leftovers-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path);
        return path;
    }();
};

TEST_F(LeftoverFilesSweep, RemovesOnlyFilesWhoseWriterIsGone) {
    const std::string self = std::to_string(::getpid());
    Touch("Macro.cfg");
    Touch("Macro.cfg.tmp-1000001-0");      // writer gone
    Touch("Sts.cfg.tmp-1000002-3");        // writer gone
    Touch("Language.cfg.tmp-2000000-0");   // writer still running
    Touch("Macro.cfg.tmp-" + self + "-0");  // this process's own write
    Touch("notes.tmp-1000001");             // not a name the writer makes
    std::filesystem::create_directory(folder / "Profile.tmp-1000001-0");
    std::filesystem::create_symlink(folder / "Macro.cfg", folder / "link.tmp-1000001-0");

    const auto running = [](long pid) { return pid == 2000000; };
    const std::vector<std::filesystem::path> removed = RemoveLeftoverTemporaryFiles(folder, running);

    EXPECT_EQ(std::set<std::filesystem::path>(removed.begin(), removed.end()),
              (std::set<std::filesystem::path>{folder / "Macro.cfg.tmp-1000001-0", folder / "Sts.cfg.tmp-1000002-3"}));
    EXPECT_EQ(Names(), (std::set<std::string>{"Macro.cfg", "Language.cfg.tmp-2000000-0", "Macro.cfg.tmp-" + self + "-0",
                                              "notes.tmp-1000001", "Profile.tmp-1000001-0", "link.tmp-1000001-0"}));
}

TEST_F(LeftoverFilesSweep, AMissingFolderIsNothingToSweep) {
    EXPECT_TRUE(RemoveLeftoverTemporaryFiles(folder / "absent", [](long) { return false; }).empty());
}

}  // namespace
}  // namespace oryn7px
