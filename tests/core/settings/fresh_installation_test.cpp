#include <gtest/gtest.h>

#include <cstring>

#include "core/settings/fresh_installation.h"
#include "core/settings/macro_library.h"
#include "core/settings/profile_store.h"
#include "core/settings/statistics_file.h"
#include "core/support/settings_fixture.h"

namespace oryn7px {
namespace {

using testing::ReadAll;

class FreshInstallationTest : public testing::SettingsFixture {
protected:
    ProfileStore store{*state, paths, writer, messages, texts};
    MacroLibrary library{*state, paths, writer, messages, texts, clock};
    StatisticsFile statistics{paths, writer, messages, texts};
};

// The start-up of the program, in its order, on a folder the installation filled.
TEST_F(FreshInstallationTest, FirstStartFindsEveryFileAndSaysNothing) {
    ASSERT_TRUE(FillFreshDataFolder(folder, writer, 5).empty());

    EXPECT_TRUE(library.LoadMacroLibrary());
    store.LoadProfileIndex();
    StsData counters{};
    EXPECT_TRUE(statistics.LoadStatistics(counters));
    EXPECT_EQ(store.ReadLanguageNumber(), 5);
    EXPECT_TRUE(messages.shown.empty());

    // Profile 1, as on a data folder without an index, but now with its button selected.
    EXPECT_EQ(state->currentEntry, 0);
    EXPECT_EQ(store.SelectedProfileButtons(), (std::array<bool, kProfileCount>{true, false, false, false, false}));
    for (const MacroEntry& entry : state->MacroTable) EXPECT_FALSE(IsMacroEntryUsed(entry));
}

TEST_F(FreshInstallationTest, FilesHoldTheirRecordsWhole) {
    ASSERT_TRUE(FillFreshDataFolder(folder, writer, 1).empty());
    ProfileData chinese;
    BuildDefaultProfile(chinese, true);
    for (int k = 0; k < kProfileCount; ++k) {
        const std::vector<uint8_t> bytes = ReadAll(store.ProfilePath(k));
        ASSERT_EQ(bytes.size(), sizeof(ProfileData));
        EXPECT_EQ(std::memcmp(bytes.data(), &chinese, sizeof chinese), 0) << "Profile" << k + 1;
    }
    const std::vector<uint8_t> index = ReadAll(store.IndexPath());
    ASSERT_EQ(index.size(), sizeof(ProfileIndex));
    ProfileIndex entries;
    std::memcpy(&entries, index.data(), sizeof entries);
    for (int k = 0; k < kProfileCount; ++k) {
        const ConfigInfoEntry& entry = entries[static_cast<std::size_t>(k)];
        EXPECT_EQ(entry.dwMagic, kConfigEntryMagic);
        EXPECT_EQ(entry.bActive, k == 0 ? 1 : 0);
        for (uint32_t id : entry.nButtonMacroId) EXPECT_EQ(id, 0u);
    }
    EXPECT_EQ(ReadAll(folder / "Macro.cfg"), std::vector<uint8_t>(2052000, 0));
    EXPECT_EQ(ReadAll(folder / "Sts.cfg"), std::vector<uint8_t>(24, 0));
    EXPECT_EQ(ReadAll(folder / "Language.cfg"), (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST_F(FreshInstallationTest, DefaultButtonNamesFollowTheLanguage) {
    ASSERT_TRUE(FillFreshDataFolder(folder, writer, 2).empty());
    ProfileData english;
    BuildDefaultProfile(english, false);
    const std::vector<uint8_t> bytes = ReadAll(store.ProfilePath(0));
    ASSERT_EQ(bytes.size(), sizeof english);
    EXPECT_EQ(std::memcmp(bytes.data(), &english, sizeof english), 0);
}

// A file that cannot be written is reported with its cause; the others are still in place.
TEST_F(FreshInstallationTest, AFileThatCannotBeWrittenIsReportedAndTheRestIsWritten) {
    writer.failures[folder / "Macro.cfg"] = ErrorKind::kIo;
    const std::vector<Error> errors = FillFreshDataFolder(folder, writer, 2);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].kind, ErrorKind::kIo);
    EXPECT_FALSE(std::filesystem::exists(folder / "Macro.cfg"));
    EXPECT_TRUE(std::filesystem::exists(folder / "Sts.cfg"));
    EXPECT_FALSE(library.LoadMacroLibrary());
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace oryn7px
