#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/base/bytes.h"
#include "core/base/utf16.h"
#include "core/settings/macro_library.h"
#include "core/support/settings_fixture.h"

namespace oryn7px {
namespace {

using testing::Box;
using testing::ReadAll;
using testing::ShownMessage;
using testing::U16;
using testing::WriteAll;

MacroEntry Macro(uint32_t id, std::u16string_view name, uint32_t events = 2) {
    MacroEntry entry{};
    entry.dwSize = 4100 + 4 * events;
    entry.dwMagic = kMacroMagic;
    entry.dwMacroId = id;
    entry.dwRepeat = 1;
    entry.dwEventCount = events;
    for (uint32_t i = 0; i < events; ++i) entry.dwEvents[i] = MakeEvent(i % 2 ? kEventKeyUp : kEventKeyDown, 0x41);
    SetFixedText(entry.szName, name);
    return entry;
}

class MacroLibraryTest : public testing::SettingsFixture {
protected:
    MacroLibrary library{*state, paths, writer, messages, texts, clock};

    void CreateMacroFile() { WriteAll(library.MacroPath(), std::vector<uint8_t>{}); }
};

TEST_F(MacroLibraryTest, MissingFileLeavesAnEmptyLibrary) {
    EXPECT_FALSE(library.LoadMacroLibrary());
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kProgram, u"MSG2 " + U16(library.MacroPath())}}));
    EXPECT_TRUE(library.ListMacros(22).empty());
}

TEST_F(MacroLibraryTest, FilesOfAnySizeLoadWithBoundedCounts) {
    MacroEntry big = Macro(0x16000001, u"big");
    big.dwEventCount = 5000;
    struct Case {
        const char* name;
        std::size_t size;
        bool firstPresent;
    };
    const Case cases[] = {
        {"empty", 0, false},
        {"half an entry", 2000, true},
        {"one entry", 4104, true},
        {"longer than the table", 2052000 + 999, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bytes(c.size, 0);
        std::copy_n(reinterpret_cast<const uint8_t*>(&big), std::min(c.size, sizeof big), bytes.begin());
        WriteAll(library.MacroPath(), bytes);
        state->MacroTable[1].dwMacroId = 0x99;  // cleared by every load
        EXPECT_TRUE(library.LoadMacroLibrary());
        EXPECT_EQ(state->MacroTable[0].dwMacroId, c.firstPresent ? big.dwMacroId : 0u);
        EXPECT_EQ(state->MacroTable[0].dwEventCount, c.firstPresent ? 1000u : 0u);
        EXPECT_EQ(state->MacroTable[1].dwMacroId, 0u);
    }
}

TEST_F(MacroLibraryTest, AShortLibraryIsKeptAsideOnceBeforeItIsSavedWhole) {
    const auto invalid = [this](const char* suffix) { return std::filesystem::path(library.MacroPath()) += suffix; };
    for (const std::size_t size : {std::size_t{1000}, std::size_t{100000}}) {
        SCOPED_TRACE(size);
        const std::vector<uint8_t> bytes = testing::RandomBytes(size, static_cast<uint32_t>(size));
        WriteAll(library.MacroPath(), bytes);
        messages.shown.clear();
        EXPECT_TRUE(library.LoadMacroLibrary());
        EXPECT_TRUE(library.LoadMacroLibrary()) << "a second read keeps no second copy";
        const auto kept = size == 1000 ? invalid(".invalid") : invalid(".invalid.2");
        EXPECT_EQ(ReadAll(kept), bytes);
        EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption,
                                                              U16(library.MacroPath()) +
                                                                  u" is shorter than it should be and was read as far as "
                                                                  u"it goes; the original was kept as " + U16(kept) + u"."}}));
    }
    EXPECT_FALSE(std::filesystem::exists(invalid(".invalid.3")));
    for (const std::size_t size : {sizeof(MacroTableData), std::size_t{0}}) {
        WriteAll(library.MacroPath(), std::vector<uint8_t>(size, 0));
        messages.shown.clear();
        EXPECT_TRUE(library.LoadMacroLibrary());
        EXPECT_TRUE(messages.shown.empty()) << "a whole or an empty library is nothing to keep: " << size;
    }
    EXPECT_FALSE(std::filesystem::exists(invalid(".invalid.3")));
}

TEST_F(MacroLibraryTest, SaveOfAnExistingFilePausesEitherSide) {
    CreateMacroFile();
    state->MacroTable[3] = Macro(0x16000003, u"x");
    EXPECT_TRUE(library.SaveMacroLibrary());
    EXPECT_EQ(clock.Pauses(), (std::vector<uint32_t>{100, 100}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ReadAll(library.MacroPath()).size(), 2052000u);
}

TEST_F(MacroLibraryTest, SaveOfAMissingFileSaysSoAndCreatesIt) {
    EXPECT_TRUE(library.SaveMacroLibrary());
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption, u"MSG2 " + U16(library.MacroPath())}}));
    EXPECT_TRUE(clock.Pauses().empty());
    EXPECT_EQ(ReadAll(library.MacroPath()).size(), 2052000u);

    std::filesystem::remove(library.MacroPath());
    messages.shown.clear();
    writer.failAll = ErrorKind::kAccessDenied;
    EXPECT_FALSE(library.SaveMacroLibrary());
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption, u"MSG2 " + U16(library.MacroPath())},
                                                         {Box::kInfoCaption, u"MSG4"}}));
}

TEST_F(MacroLibraryTest, StoreRefusesWhatIsNotACompleteMacro) {
    struct Case {
        const char* name;
        void (*spoil)(MacroEntry&);
    };
    const Case cases[] = {
        {"size below 4104", [](MacroEntry& e) { e.dwSize = 4100; }},
        {"wrong magic", [](MacroEntry& e) { e.dwMagic = 0x12340010; }},
        {"1001 events", [](MacroEntry& e) { e.dwEventCount = 1001; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MacroEntry entry = Macro(0x16000001, u"m");
        c.spoil(entry);
        EXPECT_FALSE(library.StoreMacro(entry));
        EXPECT_EQ(library.FindMacro(0x16000001), nullptr);
    }
    MacroEntry thousand = Macro(0x16000001, u"m", 1000);
    EXPECT_TRUE(library.StoreMacro(thousand));
}

TEST_F(MacroLibraryTest, StoreReplacesInPlaceEvenAfterFreeEntries) {
    state->MacroTable[5] = Macro(0x16000005, u"old", 6);
    MacroEntry newer = Macro(0x16000005, u"new", 2);
    newer.dwEvents[4] = 0xDEADBEEF;  // beyond the count: not stored
    EXPECT_TRUE(library.StoreMacro(newer));
    EXPECT_EQ(state->MacroTable[0].dwSize, 0u);
    EXPECT_EQ(FixedText(state->MacroTable[5].szName), u"new");
    EXPECT_EQ(state->MacroTable[5].dwEvents[2], 0u);
    EXPECT_EQ(state->MacroTable[5].dwEvents[4], 0u);
    EXPECT_TRUE(std::filesystem::exists(library.MacroPath()));
}

TEST_F(MacroLibraryTest, StoreIntoAFullLibraryFails) {
    for (int i = 0; i < kMacroCount; ++i) state->MacroTable[i] = Macro(0x16000100 + i, u"m");
    EXPECT_FALSE(library.StoreMacro(Macro(0x16000001, u"one more")));
    EXPECT_TRUE(library.StoreMacro(Macro(0x16000100, u"replaced")));
}

TEST_F(MacroLibraryTest, MacrosInUseAnywhereCannotBeDeleted) {
    state->MacroTable[0] = Macro(0x16000001, u"a");
    state->MacroTable[1] = Macro(0x16000002, u"b");
    state->MacroTable[2] = Macro(0x16000003, u"c");
    state->index[4].nButtonMacroId[7] = 0x16000001;  // another profile's button
    state->profile.Buttons[2].nFunction = kFunctionMacro;
    state->profile.Buttons[2].nMacroId = 0x16000002;
    for (int32_t chinese : {0, 1}) {
        state->bChinese = chinese;
        for (uint32_t id : {0x16000001u, 0x16000002u}) {
            messages.shown.clear();
            EXPECT_TRUE(library.IsMacroInUse(id));
            EXPECT_FALSE(library.DeleteMacro(id));
            EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{
                                          {Box::kProgram, chinese ? u"当前宏正在被使用，不能删除！"
                                                                  : u"The macro is being applied and cannot be deleted!"}}));
        }
    }
    EXPECT_TRUE(library.DeleteMacro(0x16000003));
    const MacroEntry zero{};
    EXPECT_EQ(std::memcmp(&state->MacroTable[2], &zero, sizeof zero), 0);
    EXPECT_FALSE(library.DeleteMacro(0x16000004));
}

TEST_F(MacroLibraryTest, ListAndRename) {
    state->MacroTable[0] = Macro(0x16000001, u"mine");
    state->MacroTable[1] = Macro(0x01000002, u"bf3");
    state->MacroTable[2].dwMacroId = 0x16000003;  // magic only: listed too
    state->MacroTable[2].dwMagic = kMacroMagic;
    state->MacroTable[3].dwMacroId = 0x16000004;  // neither size nor magic: not listed
    const auto list = library.ListMacros(22);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].id, 0x16000001u);
    EXPECT_EQ(list[0].name, u"mine");
    EXPECT_EQ(list[1].id, 0x16000003u);

    // A name the record cannot hold whole is refused, never cut or emptied.
    for (const std::u16string& name : {std::u16string(), std::u16string(40, u'x'), std::u16string(500, u'x')}) {
        messages.shown.clear();
        EXPECT_FALSE(library.RenameMacro(0x16000001, name)) << name.size();
        EXPECT_EQ(FixedText(state->MacroTable[0].szName), u"mine");
        EXPECT_EQ(messages.shown,
                  (std::vector<ShownMessage>{{Box::kProgram, u"A macro name has 1 to 39 characters; nothing was changed."}}));
    }
    EXPECT_TRUE(library.RenameMacro(0x16000001, std::u16string(39, u'x')));
    EXPECT_EQ(FixedText(state->MacroTable[0].szName), std::u16string(39, u'x'));
    EXPECT_FALSE(library.RenameMacro(0x16000099, u"nobody"));
}

TEST_F(MacroLibraryTest, ExportThenImport) {
    state->MacroTable[0] = Macro(0x16000001, u"jump");
    const auto file = folder / "jump.cfg";
    EXPECT_TRUE(library.ExportMacro(0x16000001, file));
    EXPECT_EQ(messages.shown.back(), (ShownMessage{Box::kInfoCaption, U16(file) + u" export success!"}));
    EXPECT_EQ(ReadAll(file).size(), 4104u);
    EXPECT_FALSE(library.ExportMacro(0x16000077, folder / "none.cfg"));

    state->MacroTable[0] = {};
    const MacroImport imported = library.ImportMacro(file);
    EXPECT_EQ(imported.result, MacroImportResult::kImported);
    EXPECT_EQ(imported.name, u"jump");
    EXPECT_EQ(FixedText(library.FindMacro(0x16000001)->szName), u"jump");
    EXPECT_FALSE(std::filesystem::exists(library.MacroPath()));  // saved only with the next change
}

// Ids stay unique: an imported id that the library holds replaces that entry, even behind free ones.
TEST_F(MacroLibraryTest, ImportOfAPresentIdReplacesThatEntry) {
    const auto file = folder / "jump.cfg";
    const MacroEntry jump = Macro(0x16000001, u"jump", 4);
    WriteAll(file, &jump, sizeof jump);
    state->MacroTable[2] = Macro(0x16000001, u"older", 2);
    const MacroImport imported = library.ImportMacro(file);
    EXPECT_EQ(imported.result, MacroImportResult::kReplaced);
    EXPECT_EQ(state->MacroTable[0].dwMacroId, 0u);
    EXPECT_EQ(FixedText(state->MacroTable[2].szName), u"jump");
    EXPECT_EQ(state->MacroTable[2].dwEventCount, 4u);
    int withTheId = 0;
    for (const MacroEntry& e : state->MacroTable) withTheId += e.dwMacroId == 0x16000001 ? 1 : 0;
    EXPECT_EQ(withTheId, 1);
}

// A Macro.cfg that is there but cannot be read (a folder in its place, or a FIFO that would block)
// is never replaced by the small library in memory.
TEST_F(MacroLibraryTest, UnreadableLibraryIsNeverWrittenOver) {
    std::filesystem::create_directories(library.MacroPath() / "inside");
    EXPECT_FALSE(library.LoadMacroLibrary());
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption, U16(library.MacroPath()) +
                                                                                 u" cannot be read; it will not be changed."}}));
    messages.shown.clear();
    EXPECT_FALSE(library.StoreMacro(Macro(0x16000002, u"run")));
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{Box::kInfoCaption,
                                          U16(library.MacroPath()) +
                                              u" cannot be read; the change was refused and the file left as it is."}}));
    EXPECT_TRUE(writer.writes.empty());
    EXPECT_TRUE(std::filesystem::is_directory(library.MacroPath() / "inside"));
}

TEST_F(MacroLibraryTest, BadImportFilesAreRefused) {
    MacroEntry tooMany = Macro(0x16000001, u"x");
    tooMany.dwEventCount = 1001;
    MacroEntry sizeless = Macro(0x16000003, u"sizeless");
    sizeless.dwSize = 0;  // would look free, and the next new macro would take its place
    MacroEntry noId = Macro(0, u"no id");
    MacroEntry unterminated = Macro(0x16000002, u"");
    std::fill(std::begin(unterminated.szName), std::end(unterminated.szName), u'Z');
    auto bytesOf = [](const MacroEntry& e) {
        const auto* p = reinterpret_cast<const uint8_t*>(&e);
        return std::vector<uint8_t>(p, p + sizeof e);
    };
    std::vector<uint8_t> cut = bytesOf(Macro(0x16000004, u"cut"));
    cut.resize(24);
    struct Case {
        const char* name;
        std::optional<std::vector<uint8_t>> bytes;
        MacroImportResult result;
    };
    const Case cases[] = {
        {"missing", std::nullopt, MacroImportResult::kInvalid},
        {"empty", std::vector<uint8_t>{}, MacroImportResult::kInvalid},
        {"random", testing::RandomBytes(4104, 9), MacroImportResult::kInvalid},
        // The first 24 bytes of a whole macro: size, magic, id and a count, but no events or name.
        {"24 bytes", cut, MacroImportResult::kInvalid},
        {"a folder", std::nullopt, MacroImportResult::kInvalid},
        {"1001 events", bytesOf(tooMany), MacroImportResult::kInvalid},
        {"size 0", bytesOf(sizeless), MacroImportResult::kInvalid},
        {"id 0", bytesOf(noId), MacroImportResult::kInvalid},
        {"id 0xFFFFFFFF", bytesOf(Macro(0xFFFFFFFF, u"no category")), MacroImportResult::kInvalid},
        {"category 23", bytesOf(Macro(0x17000001, u"no category")), MacroImportResult::kInvalid},
        {"name without terminator", bytesOf(unterminated), MacroImportResult::kImported},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = folder / (std::string(c.name) + ".cfg");
        if (c.bytes) WriteAll(file, *c.bytes);
        if (std::string_view(c.name) == "a folder") std::filesystem::create_directories(file);
        messages.shown.clear();
        const MacroImport imported = library.ImportMacro(file);
        EXPECT_EQ(imported.result, c.result);
        if (c.result == MacroImportResult::kInvalid) {
            // A file that could not be read says why; only one that was read is an invalid macro.
            const std::u16string why = std::string_view(c.name) == "missing" ? u" does not exist; nothing was imported."
                                       : std::string_view(c.name) == "a folder" ? u" is not a regular file; it was left alone."
                                                                                : u" is an invaild Profile!";
            EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption, U16(file) + why}}));
        } else {
            EXPECT_EQ(imported.name, std::u16string(40, u'Z'));
        }
    }
    EXPECT_EQ(library.ListMacros(22).size(), 1u);
}

TEST_F(MacroLibraryTest, RenameKeepsEveryEntryThatSharesTheId) {
    CreateMacroFile();
    state->MacroTable[0] = Macro(0x16000001, u"first", 2);
    state->MacroTable[1] = Macro(0x16000001, u"second", 4);  // an import made a twin
    EXPECT_TRUE(library.RenameMacro(0x16000001, u"renamed"));
    EXPECT_EQ(FixedText(state->MacroTable[0].szName), u"renamed");
    EXPECT_EQ(FixedText(state->MacroTable[1].szName), u"renamed");
    EXPECT_EQ(state->MacroTable[0].dwEventCount, 2u);
    EXPECT_EQ(state->MacroTable[1].dwEventCount, 4u);
    EXPECT_EQ(ReadAll(library.MacroPath()).size(), sizeof(MacroTableData));
}

TEST_F(MacroLibraryTest, ChangesThatCannotBeSavedAreReportedAsFailures) {
    CreateMacroFile();
    state->MacroTable[0] = Macro(0x16000001, u"jump");
    writer.failAll = ErrorKind::kIo;
    EXPECT_FALSE(library.StoreMacro(Macro(0x16000002, u"run")));
    EXPECT_FALSE(library.DeleteMacro(0x16000001));
    EXPECT_FALSE(library.RenameMacro(0x16000002, u"walk"));
    // Each failure says so: a read-only folder must not fail without a word.
    const ShownMessage failed{Box::kInfoCaption, U16(library.MacroPath()) + u" could not be written: refused by the test."};
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{failed, failed, failed}));
    messages.shown.clear();
    writer.failAll = ErrorKind::kAccessDenied;
    EXPECT_FALSE(library.RenameMacro(0x16000002, u"run"));
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kInfoCaption, u"MSG4"}}));
}

TEST_F(MacroLibraryTest, ExportFailureIsReported) {
    state->MacroTable[0] = Macro(0x16000001, u"jump");
    writer.failAll = ErrorKind::kIo;
    EXPECT_FALSE(library.ExportMacro(0x16000001, folder / "no.cfg"));
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{Box::kInfoCaption, U16(folder / "no.cfg") + u" export failed!"}}));
}

}  // namespace
}  // namespace oryn7px
