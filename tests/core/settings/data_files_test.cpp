#include "core/settings/data_files.h"

#include <gtest/gtest.h>

#include "core/i18n/temp_dir.h"

namespace oryn7px {
namespace {

namespace fs = std::filesystem;

TEST(OwnDataFile, KnownByIdentityOrPlaceWhateverTheName) {
    testing::TempDir temp;
    const fs::path data = temp.path() / "data";
    fs::create_directories(ProfileFolderOf(data));
    for (const fs::path& file : {MacroPathOf(data), ProfilePathOf(data, 0), IndexPathOf(data)})
        temp.Write(fs::relative(file, temp.path()).string(), "x");
    const fs::path elsewhere = temp.path() / "elsewhere";
    fs::create_directory(elsewhere);
    fs::create_hard_link(MacroPathOf(data), elsewhere / "hard.cfg");
    fs::create_symlink(ProfilePathOf(data, 0), elsewhere / "soft.cfg");
    const fs::path stranger = temp.Write("elsewhere/mine.cfg", "x");

    const struct {
        fs::path file;
        bool own;
    } cases[] = {
        {MacroPathOf(data), true},
        {IndexPathOf(data), true},
        {ProfilePathOf(data, 0), true},
        {ProfilePathOf(data, 4), true},                  // not made yet: its place is still its own
        {StatisticsPathOf(data), true},                  // likewise
        {ProgramRulesPathOf(data), true},                // an export must not replace the rules either
        {data / "Profile" / ".." / "Macro.cfg", true},   // another spelling
        {elsewhere / "hard.cfg", true},                  // the same file under another name
        {elsewhere / "soft.cfg", true},                  // a link to one
        {stranger, false},
        {data / "Macro.cfg.bak", false},
        {elsewhere / "new.cfg", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsOwnDataFile(data, c.file), c.own) << c.file;
}

}  // namespace
}  // namespace oryn7px
