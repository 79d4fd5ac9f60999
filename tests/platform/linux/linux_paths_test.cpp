#include <gtest/gtest.h>

#include <map>
#include <random>

#include "platform/linux/linux_paths.h"

namespace oryn7px {
namespace {

Environment Env(std::map<std::string, std::string> values) {
    return [values](const char* name) -> std::optional<std::string> {
        auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    };
}

TEST(LinuxPaths, DataFolderRule) {
    struct Case {
        std::map<std::string, std::string> env;
        std::filesystem::path expected;
    };
    const Case cases[] = {
        {{{"HOME", "/home/kim"}}, "/home/kim/.local/share/TAVIK/ORYN7PX"},
        {{{"HOME", "/home/kim"}, {"XDG_DATA_HOME", "/data"}}, "/data/TAVIK/ORYN7PX"},
        {{{"HOME", "/home/kim"}, {"XDG_DATA_HOME", "relative"}}, "/home/kim/.local/share/TAVIK/ORYN7PX"},
        {{{"HOME", "/home/kim"}, {"XDG_DATA_HOME", ""}}, "/home/kim/.local/share/TAVIK/ORYN7PX"},
        {{{"HOME", "/home/kim"}, {"XDG_DATA_HOME", "/data"}, {"ORYN7PX_DATA_DIR", "/portable"}}, "/portable"},
        {{{"HOME", "/home/kim"}, {"ORYN7PX_DATA_DIR", ""}}, "/home/kim/.local/share/TAVIK/ORYN7PX"},
    };
    for (const Case& c : cases) EXPECT_EQ(LinuxDataFolder(Env(c.env)), c.expected);
    EXPECT_EQ(LinuxTempFolder(Env({})), "/tmp");
    EXPECT_EQ(LinuxTempFolder(Env({{"TMPDIR", "/var/tmp"}})), "/var/tmp");
}

TEST(LinuxPaths, FromEnvironmentCreatesTheDataFolderOnly) {
    const auto root = std::filesystem::temp_directory_path() / ("oryn7px-paths-" + std::to_string(std::random_device{}()));
    const LinuxPaths paths = LinuxPaths::FromEnvironment(Env({{"XDG_DATA_HOME", root.string()}}));
    EXPECT_EQ(paths.DataFolder(), root / "TAVIK" / "ORYN7PX");
    EXPECT_TRUE(std::filesystem::is_directory(root / "TAVIK" / "ORYN7PX"));
    EXPECT_TRUE(std::filesystem::exists(paths.ProgramFolder() / "platform_tests"));

    const LinuxPaths given = LinuxPaths::FromEnvironment(Env({}), root / "given");
    EXPECT_EQ(given.DataFolder(), root / "given");
    EXPECT_FALSE(std::filesystem::exists(root / "given"));
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace oryn7px
