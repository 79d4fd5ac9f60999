#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <random>

#include "core/settings/fresh_installation.h"
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
    EXPECT_EQ(LinuxConfigHome(Env({{"HOME", "/home/kim"}})), "/home/kim/.config");
    EXPECT_EQ(LinuxConfigHome(Env({{"HOME", "/home/kim"}, {"XDG_CONFIG_HOME", "/cfg"}})), "/cfg");
    EXPECT_EQ(LinuxConfigHome(Env({{"HOME", "/home/kim"}, {"XDG_CONFIG_HOME", "cfg"}})), "/home/kim/.config");
    EXPECT_EQ(LinuxTempFolder(Env({})), "/tmp");
    EXPECT_EQ(LinuxTempFolder(Env({{"TMPDIR", "/var/tmp"}})), "/var/tmp");
}

std::filesystem::path TestRoot() {
    return std::filesystem::temp_directory_path() / ("oryn7px-paths-" + std::to_string(std::random_device{}()));
}

std::vector<std::string> FilesBelow(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files.push_back(entry.path().lexically_relative(folder).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(LinuxPaths, ADataFolderItCreatesIsFilledAsAFreshInstallation) {
    const auto root = TestRoot();
    const LinuxPaths paths = LinuxPaths::FromEnvironment(
        Env({{"XDG_DATA_HOME", root.string()}, {"LANG", "de_DE.UTF-8"}}), FillFreshDataFolder);
    const auto data = root / "TAVIK" / "ORYN7PX";
    EXPECT_EQ(paths.DataFolder(), data);
    EXPECT_TRUE(std::filesystem::exists(paths.ProgramFolder() / "platform_tests"));
    EXPECT_EQ(FilesBelow(data), (std::vector<std::string>{"Language.cfg", "Macro.cfg", "Profile/ConfigInfo.cfg",
                                                          "Profile/Profile1.cfg", "Profile/Profile2.cfg",
                                                          "Profile/Profile3.cfg", "Profile/Profile4.cfg",
                                                          "Profile/Profile5.cfg", "Sts.cfg"}));
    std::ifstream language(data / "Language.cfg", std::ios::binary);
    int32_t number = 0;
    language.read(reinterpret_cast<char*>(&number), sizeof number);
    EXPECT_EQ(number, 5);
    std::filesystem::remove_all(root);
}

// A first start on a full disk must say why, not later call the files missing.
TEST(LinuxPaths, WhyANewFolderCouldNotBeFilledIsKept) {
    const auto root = TestRoot();
    const auto fullDisk = [](const std::filesystem::path& folder, FileWriter&, int32_t) {
        return std::vector<Error>{{ErrorKind::kIo, (folder / "Macro.cfg").string() + ": No space left on device"}};
    };
    const LinuxPaths paths = LinuxPaths::FromEnvironment(Env({{"XDG_DATA_HOME", root.string()}}), fullDisk);
    ASSERT_EQ(paths.NewFolderErrors().size(), 1u);
    EXPECT_EQ(paths.NewFolderErrors()[0].message, (paths.DataFolder() / "Macro.cfg").string() + ": No space left on device");
    const LinuxPaths again = LinuxPaths::FromEnvironment(Env({{"XDG_DATA_HOME", root.string()}}), fullDisk);
    EXPECT_TRUE(again.NewFolderErrors().empty()) << "only a folder made now is filled";
    std::filesystem::remove_all(root);
}

// Files missing from a folder that exists mean someone removed them: the start-up says so.
TEST(LinuxPaths, AnExistingOrGivenDataFolderIsNotFilled) {
    const auto root = TestRoot();
    std::filesystem::create_directories(root / "TAVIK" / "ORYN7PX");
    LinuxPaths::FromEnvironment(Env({{"XDG_DATA_HOME", root.string()}}), FillFreshDataFolder);
    EXPECT_TRUE(std::filesystem::is_empty(root / "TAVIK" / "ORYN7PX"));

    const LinuxPaths given = LinuxPaths::FromEnvironment(Env({}), FillFreshDataFolder, root / "given");
    EXPECT_EQ(given.DataFolder(), root / "given");
    EXPECT_FALSE(std::filesystem::exists(root / "given"));
    std::filesystem::remove_all(root);
}

TEST(LinuxPaths, LeftoversOfKilledWritesAreRemovedAtStart) {
    const auto root = TestRoot();
    std::filesystem::create_directories(root / "Profile");
    // Process ids above the kernel's limit (4194304) never run.
    for (const char* name : {"Macro.cfg.tmp-9999999-0", "Profile/ConfigInfo.cfg.tmp-9999999-1", "Macro.cfg"}) {
        std::ofstream(root / name) << "x";
    }
    LinuxPaths::FromEnvironment(Env({}), FillFreshDataFolder, root);
    EXPECT_EQ(FilesBelow(root), std::vector<std::string>{"Macro.cfg"});
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace oryn7px
