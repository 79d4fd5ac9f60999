#include <gtest/gtest.h>

#include <cstring>

#include "core/base/bytes.h"
#include "core/base/utf16.h"
#include "core/settings/macro_library.h"
#include "core/settings/profile_store.h"
#include "core/support/settings_fixture.h"

namespace oryn7px {
namespace {

using testing::Box;
using testing::ReadAll;
using testing::ShownMessage;
using testing::U16;
using testing::WriteAll;

class RestartSpy final : public ProgramRestart {
public:
    void StartLauncherAndClose() override { ++starts; }
    int starts = 0;
};

class ProfileStoreTest : public testing::SettingsFixture {
protected:
    ProfileStore store{*state, paths, writer, messages, texts};

    std::u16string FailedToOpen(const std::filesystem::path& p) {
        return u"Failed to open file, check whether there is a " + U16(p) + u" path?";
    }
    std::u16string Invalid(const std::filesystem::path& p) { return U16(p) + u" is an invaild Profile!"; }

    // A valid profile file whose DPI level 1 carries a marker.
    void WriteProfile(int entry, int32_t marker) {
        ProfileData profile;
        BuildDefaultProfile(profile, false);
        profile.nDpiValue[0] = marker;
        WriteAll(store.ProfilePath(entry), &profile, sizeof profile);
    }
    void WriteIndex(int activeEntry, uint32_t firstMacroId) {
        ProfileIndex index{};
        for (int k = 0; k < kProfileCount; ++k) {
            index[k].dwMagic = kConfigEntryMagic;
            index[k].nButtonMacroId[0] = firstMacroId + k;
        }
        index[activeEntry].bActive = 1;
        WriteAll(store.IndexPath(), &index, sizeof index);
    }
};

TEST_F(ProfileStoreTest, FirstStartInAnEmptyFolderCreatesProfileOne) {
    store.LoadProfileIndex();
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kProgram, FailedToOpen(store.IndexPath())}}));
    const auto bytes = ReadAll(folder / "Profile" / "Profile1.cfg");
    ASSERT_EQ(bytes.size(), 25412u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4), (std::vector<uint8_t>{0x5A, 0x02, 0x80, 0x80}));
    EXPECT_EQ(state->currentEntry, 0);
    EXPECT_EQ(state->index[0].bActive, 1);
    EXPECT_EQ(store.SelectedProfileButtons(), (std::array<bool, 5>{}));
    EXPECT_EQ(FixedText(state->index[4].szProfilePath), U16(folder / "Profile" / "Profile5.cfg"));
    EXPECT_EQ(state->profile.nDpiValue[0], 10);
}

TEST_F(ProfileStoreTest, ValidActiveEntryBecomesCurrent) {
    WriteIndex(2, 0x16000100);
    WriteProfile(2, 77);
    store.LoadProfileIndex();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state->currentEntry, 2);
    EXPECT_EQ(state->profile.nDpiValue[0], 77);
    EXPECT_EQ(state->ButtonMacroId[0], 0x16000102u);
    EXPECT_EQ(store.SelectedProfileButtons(), (std::array<bool, 5>{false, false, true, false, false}));
}

TEST_F(ProfileStoreTest, MissingFileOfActiveEntryFallsBackToProfileOne) {
    WriteIndex(3, 0x16000100);
    WriteProfile(0, 55);
    store.LoadProfileIndex();
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kProgram, FailedToOpen(store.ProfilePath(3))}}));
    EXPECT_EQ(ReadAll(store.ProfilePath(3)).size(), sizeof(ProfileData));
    EXPECT_EQ(state->index[3].bActive, 0);
    EXPECT_EQ(state->currentEntry, 0);
    EXPECT_EQ(state->profile.nDpiValue[0], 55);
    EXPECT_EQ(state->ButtonMacroId[0], 0x16000100u);
}

// Profile files as the start-up finds them for the active entry 1.
TEST_F(ProfileStoreTest, BadProfileFilesAtStartUp) {
    std::vector<uint8_t> shortValid(100, 0x11);
    WriteLe32(shortValid.data(), kProfileMagic);
    std::vector<uint8_t> longValid(40000, 0x22);
    WriteLe32(longValid.data(), kProfileMagic);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        bool accepted;
        int32_t firstButtonFunction = 0;
        int32_t lastDpiOrder = 0;  // the record's last field
    };
    std::vector<uint8_t> oneByteShort(sizeof(ProfileData) - 1, 0x33);
    WriteLe32(oneByteShort.data(), kProfileMagic);
    const Case cases[] = {
        // A cut-off profile would read as zeros past its end: no click on either button.
        {"100 bytes, right magic", shortValid, false},
        {"one byte short, right magic", oneByteShort, false},
        {"longer than a profile", longValid, true, 0x22222222, 0x22222222},
        {"empty", {}, false},
        {"three bytes of the magic", {0x5A, 0x02, 0x80}, false},
        {"wrong magic", std::vector<uint8_t>(25412, 0), false},
        {"random", testing::RandomBytes(25412, 7), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(folder / "Profile");
        messages.shown.clear();
        WriteIndex(1, 0);
        WriteAll(store.ProfilePath(1), c.bytes);
        store.LoadProfileIndex();
        if (c.accepted) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(state->currentEntry, 1);
            EXPECT_EQ(state->profile.Buttons[0].nFunction, c.firstButtonFunction);
            EXPECT_EQ(state->profile.nDpiOrder[6], c.lastDpiOrder);
        } else {
            EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption, Invalid(store.ProfilePath(1))}}));
            EXPECT_EQ(state->currentEntry, 0);
            EXPECT_EQ(state->profile.dwMagic, kProfileMagic);  // the defaults of profile 1
            EXPECT_EQ(ReadAll(std::filesystem::path(store.ProfilePath(1)) += ".invalid"), c.bytes);
            EXPECT_EQ(ReadAll(store.ProfilePath(1)).size(), sizeof(ProfileData));
        }
    }
}

TEST_F(ProfileStoreTest, IndexFilesOfAnySizeLoad) {
    for (std::size_t size : {0u, 10u, 1604u, 8020u, 20000u}) {
        SCOPED_TRACE(size);
        WriteAll(store.IndexPath(), testing::RandomBytes(size, static_cast<unsigned>(size)));
        messages.shown.clear();
        store.LoadProfileIndex();
        EXPECT_GE(state->currentEntry, 0);
        EXPECT_LT(state->currentEntry, kProfileCount);
        for (const ConfigInfoEntry& e : state->index) {
            EXPECT_EQ(FixedText(e.szProfilePath).substr(0, U16(folder).size()), U16(folder));
        }
    }
}

TEST_F(ProfileStoreTest, ProfileFolderCannotBeCreatedLeavesDefaultsInMemory) {
    ProfileStore lost{*state, testing::FolderPaths(folder / "missing"), writer, messages, texts};
    state->profile.dwMagic = 0;
    lost.LoadProfileIndex();
    EXPECT_EQ(state->profile.dwMagic, kProfileMagic);
    EXPECT_EQ(state->profile.nReportRate, 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(ProfileStoreTest, DeniedDefaultFileShowsMsg4InProgramBox) {
    writer.failAll = ErrorKind::kAccessDenied;
    EXPECT_FALSE(store.CreateDefaultProfileFile(store.ProfilePath(0)));
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kProgram, u"MSG4"}}));
    EXPECT_EQ(state->profile.dwMagic, kProfileMagic);
}

TEST_F(ProfileStoreTest, SaveWritesProfileAndIndexWithTheMacroIds) {
    store.LoadProfileIndex();
    state->ButtonMacroId[2] = 0x16ABCDEF;
    state->profile.nPointerSpeed = 17;
    EXPECT_TRUE(store.SaveCurrentProfileAndIndex());
    ProfileIndex index;
    ProfileData profile;
    ASSERT_EQ(ReadAll(store.IndexPath()).size(), sizeof index);
    std::memcpy(&index, ReadAll(store.IndexPath()).data(), sizeof index);
    std::memcpy(&profile, ReadAll(store.ProfilePath(0)).data(), sizeof profile);
    EXPECT_EQ(index[0].nButtonMacroId[2], 0x16ABCDEFu);
    EXPECT_EQ(profile.nPointerSpeed, 17);
}

TEST_F(ProfileStoreTest, SaveFailuresAreReportedByCause) {
    store.LoadProfileIndex();
    struct Case {
        ErrorKind profileError;
        std::vector<ShownMessage> expected;
    };
    const Case cases[] = {
        {ErrorKind::kNotFound, {{Box::kInfoCaption, u"MSG2 " + U16(store.ProfilePath(0))}}},
        {ErrorKind::kAccessDenied, {{Box::kInfoCaption, u"MSG5"}}},
        {ErrorKind::kIo, {{Box::kInfoCaption, U16(store.ProfilePath(0)) + u" could not be written: refused by the test."}}},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        writer.failures = {{store.ProfilePath(0), c.profileError}, {store.IndexPath(), ErrorKind::kAccessDenied}};
        EXPECT_FALSE(store.SaveCurrentProfileAndIndex());
        EXPECT_EQ(messages.shown, c.expected);
    }
}

TEST_F(ProfileStoreTest, ProfileAndIndexAreSavedTogetherOrNotAtAll) {
    store.LoadProfileIndex();
    const auto profileBefore = ReadAll(store.ProfilePath(0));
    state->profile.nPointerSpeed = 17;
    messages.shown.clear();
    writer.failures = {{store.IndexPath(), ErrorKind::kAccessDenied}};
    EXPECT_FALSE(store.SaveCurrentProfileAndIndex());
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption, u"MSG5"}}));
    EXPECT_EQ(ReadAll(store.ProfilePath(0)), profileBefore);
    EXPECT_EQ(writer.journals, (std::vector<std::filesystem::path>{folder / "Replace.journal"}));
}

TEST_F(ProfileStoreTest, RejectedProfilesAreEachKept) {
    std::vector<uint8_t> first(25412, 1), second(25412, 2);
    WriteIndex(0, 0);
    WriteAll(store.ProfilePath(0), first);
    store.LoadProfileIndex();
    WriteAll(store.ProfilePath(0), second);
    store.LoadProfileIndex();
    const std::filesystem::path kept = std::filesystem::path(store.ProfilePath(0)) += ".invalid";
    EXPECT_EQ(ReadAll(kept), first);
    EXPECT_EQ(ReadAll(std::filesystem::path(kept) += ".2"), second);
    EXPECT_EQ(state->profile.dwMagic, kProfileMagic);
}

// On a full disk the defaults cannot replace a rejected profile: its bytes stay under its own name
// (never no file at all) and the user hears why.
TEST_F(ProfileStoreTest, ARejectedProfileThatCannotBeReplacedStaysWhereItWas) {
    const std::vector<uint8_t> rejected(25412, 1);
    WriteIndex(0, 0);
    WriteAll(store.ProfilePath(0), rejected);
    writer.failures[store.ProfilePath(0)] = ErrorKind::kIo;
    messages.shown.clear();
    store.LoadProfileIndex();
    EXPECT_EQ(ReadAll(store.ProfilePath(0)), rejected);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(store.ProfilePath(0)) += ".invalid"));
    EXPECT_EQ(messages.shown.back(),
              (ShownMessage{Box::kInfoCaption, U16(store.ProfilePath(0)) + u" could not be written: refused by the test."}));
    EXPECT_EQ(state->profile.dwMagic, kProfileMagic) << "the defaults live in memory";
}

// A file that is there but cannot be read (here a folder in its place, which root cannot read
// either) is named, never written over, and nothing built from it is exported or applied.
TEST_F(ProfileStoreTest, UnreadableFilesAreNeverWrittenOver) {
    struct Case {
        const char* name;
        std::filesystem::path path;
    };
    const Case cases[] = {{"profile", store.ProfilePath(0)}, {"index", store.IndexPath()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(folder / "Profile");
        state->unreadableFiles.clear();
        std::filesystem::create_directories(c.path / "inside");
        messages.shown.clear();
        writer.writes.clear();
        store.LoadProfileIndex();
        const ShownMessage unreadable{Box::kInfoCaption, U16(c.path) + u" cannot be read; it will not be changed."};
        EXPECT_NE(std::find(messages.shown.begin(), messages.shown.end(), unreadable), messages.shown.end());
        messages.shown.clear();
        EXPECT_FALSE(store.CanSaveCurrentProfileAndIndex());
        EXPECT_FALSE(store.SaveCurrentProfileAndIndex());
        EXPECT_FALSE(store.Export(folder / "all.cfg"));
        EXPECT_FALSE(std::filesystem::exists(folder / "all.cfg"));
        EXPECT_EQ(messages.shown.back(), (ShownMessage{Box::kInfoCaption, U16(folder / "all.cfg") + u" export failed!"}));
        EXPECT_EQ(messages.shown.front(),
                  (ShownMessage{Box::kInfoCaption,
                                U16(c.path) + u" cannot be read; the change was refused and the file left as it is."}));
        EXPECT_TRUE(std::filesystem::is_directory(c.path / "inside"));
        for (const auto& written : writer.writes) EXPECT_NE(written, c.path);
    }
}

TEST_F(ProfileStoreTest, SwitchLoadsTheProfileAndItsMacroIds) {
    WriteIndex(0, 0x16000100);
    WriteProfile(0, 11);
    WriteProfile(3, 44);
    store.LoadProfileIndex();
    EXPECT_EQ(store.SwitchProfile(3), kProfileRead);
    EXPECT_EQ(state->currentEntry, 3);
    EXPECT_EQ(state->profile.nDpiValue[0], 44);
    EXPECT_EQ(state->ButtonMacroId[0], 0x16000103u);
    EXPECT_EQ(state->index[0].bActive, 0);
    EXPECT_EQ(state->index[3].bActive, 1);
    EXPECT_EQ(store.SelectedProfileButtons(), (std::array<bool, 5>{false, false, false, true, false}));
    EXPECT_TRUE(writer.writes.empty());
}

TEST_F(ProfileStoreTest, RefusedSwitchKeepsThePreviousProfile) {
    WriteIndex(0, 0x16000100);
    WriteProfile(0, 11);
    store.LoadProfileIndex();
    std::vector<uint8_t> wrongMagic(25412, 0x33);
    WriteAll(store.ProfilePath(2), wrongMagic);
    struct Case {
        int entry;
        int result;
        std::vector<ShownMessage> expected;
    };
    const Case cases[] = {
        {2, kProfileInvalid, {{Box::kInfoCaption, Invalid(store.ProfilePath(2))}}},
        {4, kProfileNotRead, {{Box::kProgram, FailedToOpen(store.ProfilePath(4))}}},
        {7, kProfileNotRead, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        messages.shown.clear();
        EXPECT_EQ(store.SwitchProfile(c.entry), c.result);
        EXPECT_EQ(messages.shown, c.expected);
        EXPECT_EQ(state->currentEntry, 0);
        EXPECT_EQ(state->profile.nDpiValue[0], 11);
        EXPECT_EQ(state->index[0].bActive, 1);
    }
    EXPECT_EQ(ReadAll(store.ProfilePath(2)), wrongMagic);                   // rejected file untouched
    EXPECT_EQ(ReadAll(store.ProfilePath(4)).size(), sizeof(ProfileData));  // missing one got defaults
    EXPECT_EQ(store.SwitchProfile(4), kProfileRead);
}

TEST_F(ProfileStoreTest, LanguageNumber) {
    EXPECT_EQ(store.ReadLanguageNumber(), 1);
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kProgram, FailedToOpen(store.LanguagePath())}}));
    EXPECT_EQ(store.ReadLanguageNumber(2), 2);
    for (int32_t number : {3, 13}) {
        EXPECT_TRUE(store.SaveLanguageNumber(number));
        EXPECT_EQ(ReadAll(store.LanguagePath()).size(), 4u);
        EXPECT_EQ(store.ReadLanguageNumber(), number);
    }
    WriteAll(store.LanguagePath(), std::vector<uint8_t>{0x05});
    EXPECT_EQ(store.ReadLanguageNumber(), 5);

    messages.shown.clear();
    writer.failAll = ErrorKind::kNotFound;
    EXPECT_FALSE(store.SaveLanguageNumber(2));
    writer.failAll = ErrorKind::kAccessDenied;
    EXPECT_FALSE(store.SaveLanguageNumber(2));
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption, u"MSG2 " + U16(store.LanguagePath())},
                                                         {Box::kInfoCaption, u"MSG5"}}));
}

TEST_F(ProfileStoreTest, ExportThenImportRestoresProfileMacrosAndActiveIds) {
    WriteIndex(1, 0x16000100);
    WriteProfile(1, 21);
    store.LoadProfileIndex();
    state->ButtonMacroId[5] = 0x16000555;  // newer than the index file on disk
    state->MacroTable[7].dwMacroId = 0x16000555;
    state->MacroTable[7].dwSize = 4104;
    const auto file = folder / "backup.cfg";
    ASSERT_TRUE(store.Export(file));
    EXPECT_EQ(messages.shown.back(), (ShownMessage{Box::kInfoCaption, U16(file) + u" export success!"}));
    const auto bytes = ReadAll(file);
    ASSERT_EQ(bytes.size(), 2085432u);
    EXPECT_EQ(ReadLe32(bytes.data() + 25412 + 1604 + 1572 + 5 * 4), 0x16000555u);

    state->profile.nDpiValue[0] = 99;
    std::memset(state->MacroTable.data(), 0, sizeof state->MacroTable);
    std::fill(std::begin(state->ButtonMacroId), std::end(state->ButtonMacroId), 0u);
    RestartSpy restart;
    EXPECT_EQ(store.Import(file, &restart), kProfileRead);
    EXPECT_EQ(restart.starts, 1);
    EXPECT_EQ(messages.shown.back(), (ShownMessage{Box::kInfoCaption, U16(file) + u" import success!"}));
    EXPECT_EQ(state->profile.nDpiValue[0], 21);
    EXPECT_EQ(state->MacroTable[7].dwMacroId, 0x16000555u);
    EXPECT_EQ(state->ButtonMacroId[5], 0x16000555u);
    // Saved before the restart, so the restarted program finds the imported profile.
    ProfileData saved;
    std::memcpy(&saved, ReadAll(store.ProfilePath(1)).data(), sizeof saved);
    EXPECT_EQ(saved.nDpiValue[0], 21);
}

TEST_F(ProfileStoreTest, LastActiveImportedEntryGivesTheMacroIds) {
    std::vector<uint8_t> file(kExportFileSize, 0);
    WriteLe32(file.data(), kProfileMagic);
    for (int k : {1, 3}) {
        uint8_t* entry = file.data() + sizeof(ProfileData) + k * sizeof(ConfigInfoEntry);
        WriteLe32(entry + 4, 1);
        WriteLe32(entry + 1572, 0x16000000u + k);
    }
    WriteAll(folder / "two-active.cfg", file);
    state->MacroTable[0].dwMacroId = 0x42;
    // Without a Profile folder the import cannot be saved, and says so.
    EXPECT_EQ(store.Import(folder / "two-active.cfg", nullptr), kProfileNotRead);
    EXPECT_EQ(messages.shown.front(), (ShownMessage{Box::kInfoCaption, u"MSG2 " + U16(store.ProfilePath(0))}));
    store.LoadProfileIndex();
    EXPECT_EQ(store.Import(folder / "two-active.cfg", nullptr), kProfileRead);
    EXPECT_EQ(state->ButtonMacroId[0], 0x16000003u);
    EXPECT_EQ(state->MacroTable[0].dwMacroId, 0u);  // the file's (empty) library replaced it
}

TEST_F(ProfileStoreTest, InvalidImportChangesNothingButStillRestarts) {
    std::vector<uint8_t> wrongMagic(2085432, 0);
    std::vector<uint8_t> magicOnly(4, 0);
    WriteLe32(magicOnly.data(), kProfileMagic);
    std::vector<uint8_t> withoutLibrary(sizeof(ProfileData) + sizeof(ProfileIndex), 0);
    WriteLe32(withoutLibrary.data(), kProfileMagic);
    std::vector<uint8_t> oneByteShort(kExportFileSize - 1, 0);
    WriteLe32(oneByteShort.data(), kProfileMagic);
    struct Case {
        const char* name;
        std::optional<std::vector<uint8_t>> bytes;
    };
    const Case cases[] = {
        {"missing", std::nullopt},
        {"empty", std::vector<uint8_t>{}},
        {"wrong magic", wrongMagic},
        {"random", testing::RandomBytes(5000, 3)},
        // Cut-off exports would leave a profile of zeros (no clicks) or a library of zeros.
        {"the magic alone", magicOnly},
        {"without the library", withoutLibrary},
        {"one byte short", oneByteShort},
    };
    store.LoadProfileIndex();
    state->profile.nDpiValue[0] = 123;
    state->MacroTable[0].dwMacroId = 0x42;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = folder / (std::string(c.name) + ".cfg");
        if (c.bytes) WriteAll(file, *c.bytes);
        messages.shown.clear();
        writer.writes.clear();
        RestartSpy restart;
        EXPECT_EQ(store.Import(file, &restart), kProfileInvalid);
        EXPECT_EQ(restart.starts, 1);
        const std::u16string why = std::string_view(c.name) == "missing"
                                       ? U16(file) + u" does not exist; nothing was imported."
                                       : Invalid(file);
        EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption, why}}));
        EXPECT_EQ(state->profile.nDpiValue[0], 123);
        EXPECT_EQ(state->MacroTable[0].dwMacroId, 0x42u);
        EXPECT_TRUE(writer.writes.empty());
    }
}

TEST_F(ProfileStoreTest, ImportedEventCountsAreCut) {
    std::vector<uint8_t> file(2085432, 0);
    WriteLe32(file.data(), kProfileMagic);
    uint8_t* macro = file.data() + 25412 + 8020;
    WriteLe32(macro + 20, 0xFFFFFFFF);
    WriteAll(folder / "huge-count.cfg", file);
    store.LoadProfileIndex();
    EXPECT_EQ(store.Import(folder / "huge-count.cfg", nullptr), kProfileRead);
    EXPECT_EQ(state->MacroTable[0].dwEventCount, 1000u);
}

TEST_F(ProfileStoreTest, ImportKeepsEachMacroIdOnceAndNoInvalidIds) {
    struct Whole {
        ProfileData profile;
        ProfileIndex index;
        MacroTableData table;
    };
    auto whole = std::make_unique<Whole>();
    whole->profile.dwMagic = kProfileMagic;
    const auto macro = [](uint32_t id, std::u16string_view name) {
        MacroEntry entry{};
        entry.dwSize = 4104;
        entry.dwMagic = kMacroMagicHigh << 16;
        entry.dwMacroId = id;
        SetFixedText(entry.szName, name);
        return entry;
    };
    for (std::size_t i = 0; i < 4; ++i) whole->table[i] = macro(0x16000001, i == 0 ? u"first" : u"copy");
    whole->table[4] = macro(0xFFFFFFFF, u"no id");
    whole->table[5] = macro(0x17000001, u"category 23");
    whole->table[6] = macro(0x01000002, u"other");
    WriteAll(folder / "repeats.cfg", whole.get(), sizeof(Whole));
    store.LoadProfileIndex();
    messages.shown.clear();
    EXPECT_EQ(store.Import(folder / "repeats.cfg", nullptr), kProfileRead);
    std::vector<std::pair<uint32_t, std::u16string>> kept;
    for (const MacroEntry& entry : state->MacroTable)
        if (IsMacroEntryUsed(entry)) kept.emplace_back(entry.dwMacroId, std::u16string(FixedText(entry.szName)));
    EXPECT_EQ(kept, (std::vector<std::pair<uint32_t, std::u16string>>{{0x16000001, u"first"}, {0x01000002, u"other"}}));
    EXPECT_EQ(messages.shown.back(),
              (ShownMessage{Box::kInfoCaption, u"5 macros were skipped: their ids were repeated or no macro ids."}));
}

TEST_F(ProfileStoreTest, ImportThatCannotBeSavedDoesNotClaimSuccess) {
    std::vector<uint8_t> file(2085432, 0);
    WriteLe32(file.data(), kProfileMagic);
    WriteAll(folder / "all.cfg", file);
    store.LoadProfileIndex();
    messages.shown.clear();
    writer.failAll = ErrorKind::kAccessDenied;
    RestartSpy restart;
    EXPECT_EQ(store.Import(folder / "all.cfg", &restart), kProfileNotRead);
    EXPECT_EQ(restart.starts, 1);
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption, u"MSG5"}}));
}

TEST_F(ProfileStoreTest, ImportReplacesProfileIndexAndLibraryTogetherOrNotAtAll) {
    std::vector<uint8_t> file(kExportFileSize, 0);
    WriteLe32(file.data(), kProfileMagic);
    WriteLe32(file.data() + sizeof(ProfileData) + sizeof(ProfileIndex) + 8, 0x16000777);  // a macro id
    WriteAll(folder / "all.cfg", file);
    WriteProfile(0, 11);
    store.LoadProfileIndex();
    const auto profileBefore = ReadAll(store.ProfilePath(0));
    state->MacroTable[0].dwMacroId = 0x42;

    // The library's disk is full (or a folder sits where Macro.cfg belongs): nothing is replaced.
    for (ErrorKind error : {ErrorKind::kIo, ErrorKind::kNotRegular}) {
        writer.failures = {{folder / "Macro.cfg", error}};
        writer.writes.clear();
        EXPECT_EQ(store.Import(folder / "all.cfg", nullptr), kProfileNotRead);
        EXPECT_TRUE(writer.writes.empty());
        EXPECT_EQ(ReadAll(store.ProfilePath(0)), profileBefore);
        EXPECT_EQ(state->profile.nDpiValue[0], 11);
        EXPECT_EQ(state->MacroTable[0].dwMacroId, 0x42u);
    }
    EXPECT_EQ(messages.shown.back(), (ShownMessage{Box::kInfoCaption, U16(folder / "Macro.cfg") +
                                                                          u" is not a regular file; it was left alone."}));
    writer.failures.clear();
    EXPECT_EQ(store.Import(folder / "all.cfg", nullptr), kProfileRead);
    EXPECT_EQ(writer.journals.back(), folder / "Replace.journal");
    EXPECT_EQ(ReadAll(folder / "Macro.cfg").size(), sizeof(MacroTableData));
    EXPECT_EQ(state->MacroTable[0].dwMacroId, 0x16000777u);

    // An unreadable library is never replaced by an import either.
    std::filesystem::remove(folder / "Macro.cfg");
    std::filesystem::create_directories(folder / "Macro.cfg" / "inside");
    state->unreadableFiles = {folder / "Macro.cfg"};
    writer.writes.clear();
    EXPECT_EQ(store.Import(folder / "all.cfg", nullptr), kProfileNotRead);
    EXPECT_TRUE(writer.writes.empty());
}

TEST_F(ProfileStoreTest, ExportFailureIsReported) {
    writer.failAll = ErrorKind::kAccessDenied;
    EXPECT_FALSE(store.Export(folder / "x.cfg"));
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{Box::kInfoCaption, U16(folder / "x.cfg") + u" export failed!"}}));
}

}  // namespace
}  // namespace oryn7px
