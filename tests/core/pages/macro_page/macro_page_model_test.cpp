#include "core/pages/macro_page/macro_page_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "core/base/messages.h"
#include "core/base/utf16.h"
#include "core/device/input_hooks.h"
#include "core/support/settings_fixture.h"
#include "fakes/fake_hook_backend.h"
#include "fakes/recording_target.h"

namespace oryn7px::macro_page {
namespace {

using oryn7px::testing::Box;
using oryn7px::testing::FakeHookBackend;
using oryn7px::testing::RecordingTarget;
using oryn7px::testing::ShownMessage;
using L = EventLine;

constexpr uint32_t kA = 0x41;
constexpr uint32_t kB = 0x42;
constexpr uint32_t kReleased = 0x80;

Editor EditorOfMode(EditMode mode) {
    if (mode == EditMode::kModifyKey) return Editor::kKey;
    return mode == EditMode::kModifyDelay ? Editor::kDelay : Editor::kMove;
}

MacroEntry Macro(uint32_t id, std::u16string_view name, std::vector<uint32_t> events, uint32_t repeat = 1) {
    MacroEntry entry{};
    entry.dwSize = static_cast<uint32_t>(4100 + 4 * events.size());
    entry.dwMagic = kMacroMagic;
    entry.dwMacroId = id;
    entry.dwRepeat = repeat;
    entry.dwEventCount = static_cast<uint32_t>(events.size());
    std::copy(events.begin(), events.end(), entry.dwEvents);
    SetFixedText(entry.szName, name);
    return entry;
}

class MacroPageModelTest : public oryn7px::testing::SettingsFixture {
protected:
    void SetUp() override {
        oryn7px::testing::WriteAll(library.MacroPath(), std::vector<uint8_t>(sizeof(MacroTableData), 0));
        ASSERT_TRUE(hooks.InstallInputHooks(&mainWindow));
        clock.Advance(1000);
    }

    // A stored macro of category 22 with the given events, shown and selected.
    void ShowStored(std::vector<uint32_t> events, uint32_t repeat = 1) {
        ASSERT_TRUE(library.StoreMacro(Macro(0x16000001, u"Stored", std::move(events), repeat)));
        model.ShowCategory(22);
        ASSERT_EQ(model.SelectedMacroId(), 0x16000001u);
    }

    // A key event `atMs` after `start`.
    void Key(uint32_t vk, bool released, uint32_t start, uint32_t atMs) {
        clock.Advance(start + atMs - clock.TickCount());
        model.OnHookInput(vk, released ? kReleased : 0);
    }

    const MacroEntry* Stored(uint32_t id = 0x16000001) { return library.FindMacro(id); }

    std::vector<uint32_t> StoredEvents(uint32_t id = 0x16000001) {
        const MacroEntry* entry = Stored(id);
        if (entry == nullptr) return {};
        return {entry->dwEvents, entry->dwEvents + entry->dwEventCount};
    }

    // Lets the hooks see a key the way the desktop would deliver it.
    void DesktopKey(uint32_t vk, uint32_t flags) { backend.sink->KeyboardProc(vk, flags); }

    MacroLibrary library{*state, paths, writer, messages, texts, clock};
    FakeHookBackend backend;
    InputHooks hooks{backend};
    RecordingTarget mainWindow;
    RecordingTarget page;
    MacroPageModel model{library, &hooks, &page, clock, messages, state->bChinese};
};

// ---- recording

TEST_F(MacroPageModelTest, RecordingTurnsKeyEventsIntoLines) {
    struct Event {
        uint32_t vk;
        bool released;
        uint32_t tick;
    };
    struct Case {
        const char* name;
        bool skipDelays;
        std::vector<Event> events;
        std::vector<EventLine> lines;
    };
    const Case cases[] = {
        {"a press and release 150 ms apart", false, {{kA, false, 100}, {kA, true, 250}},
         {{kLineKeyDown, kA}, {kLineDelay, 150}, {kLineKeyUp, kA}}},
        {"skip delays", true, {{kA, false, 100}, {kA, true, 250}}, {{kLineKeyDown, kA}, {kLineKeyUp, kA}}},
        {"auto-repeat of a held key", false, {{kA, false, 100}, {kA, false, 130}, {kA, false, 160}, {kA, true, 500}},
         {{kLineKeyDown, kA}, {kLineDelay, 400}, {kLineKeyUp, kA}}},
        {"two keys overlapping", false, {{kA, false, 100}, {kB, false, 110}, {kA, true, 120}, {kB, true, 130}},
         {{kLineKeyDown, kA}, {kLineDelay, 10}, {kLineKeyDown, kB}, {kLineDelay, 10}, {kLineKeyUp, kA}, {kLineDelay, 10}, {kLineKeyUp, kB}}},
        {"a pause longer than a line holds", false, {{kA, false, 100}, {kA, true, 100 + 400000}},
         {{kLineKeyDown, kA}, {kLineDelay, kMaxDelayMs}, {kLineKeyUp, kA}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowStored({0xC0000030, 0xE0000030});
        model.SetSkipDelays(c.skipDelays);
        model.ToggleRecording();
        ASSERT_TRUE(model.Recording());
        EXPECT_TRUE(model.Lines().empty());
        const uint32_t start = clock.TickCount();
        for (const Event& e : c.events) Key(e.vk, e.released, start, e.tick);
        EXPECT_EQ(model.Lines(), c.lines);
        model.ToggleRecording();
        EXPECT_FALSE(model.Recording());
        EXPECT_EQ(StoredEvents().size(), c.lines.size());
        library.DeleteMacro(0x16000001);
    }
}

TEST_F(MacroPageModelTest, RecordingStopsAcceptingAfter124KeyEvents) {
    ShowStored({0xC0000030});
    model.SetSkipDelays(true);
    model.ToggleRecording();
    for (uint32_t i = 0; i < 70; ++i) {
        model.OnHookInput(0x41 + i % 26, 0);
        model.OnHookInput(0x41 + i % 26, kReleased);
    }
    EXPECT_EQ(model.Lines().size(), 124u);
    EXPECT_EQ(model.RecordCounter(), 248u);
}

TEST_F(MacroPageModelTest, RecordingTakesKeysFromTheHooksAndGivesThemBack) {
    ShowStored({0xC0000030});
    model.ToggleRecording();
    DesktopKey(kA, 0);
    EXPECT_EQ(page.Take(), (std::vector<Message>{{UM_HOOK_INPUT, kA, 0}}));
    EXPECT_TRUE(mainWindow.Take().empty());
    EXPECT_EQ(model.RecordCaption(), CaptionId::StopRecord);
    EXPECT_FALSE(model.EditButtonsEnabled());

    model.ToggleRecording();
    DesktopKey(kA, kReleased);
    EXPECT_TRUE(page.Take().empty());
    EXPECT_TRUE(mainWindow.Take().empty());
    EXPECT_EQ(model.RecordCaption(), CaptionId::StartRecord);
    EXPECT_TRUE(model.EditButtonsEnabled());
}

TEST_F(MacroPageModelTest, RecordingIsRefusedWhileAKeyOrDelayIsEdited) {
    struct Case {
        std::function<void(MacroPageModel&)> open;
        EditMode mode;
        std::u16string refusal;  // empty: recording starts
    };
    const std::u16string keyRefusal = u"It is Modifying or inserting a button,you can not record";
    const std::u16string delayRefusal = u"It is Modifying or inserting a delay,you can not record";
    const Case cases[] = {
        {[](MacroPageModel& m) { m.StartInsert(); }, EditMode::kInsertKey, keyRefusal},
        {[](MacroPageModel& m) { m.StartInsert(); m.ChooseEditor(Editor::kDelay); }, EditMode::kInsertDelay, delayRefusal},
        {[](MacroPageModel& m) { m.SelectLine(0); m.StartModify(); }, EditMode::kModifyKey, keyRefusal},
        {[](MacroPageModel& m) { m.SelectLine(1); m.StartModify(); }, EditMode::kModifyDelay, delayRefusal},
        {[](MacroPageModel& m) { m.StartInsert(); m.ChooseEditor(Editor::kMove); }, EditMode::kInsertMove, u""},
        {[](MacroPageModel& m) { m.SelectLine(2); m.StartModify(); }, EditMode::kModifyMove, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        ShowStored({0xC0000041, 0xA0000064, 0x40000000 | PackMove(1, 2), 0xE0000041});
        messages.shown.clear();
        c.open(model);
        ASSERT_EQ(model.Mode(), c.mode);
        model.ToggleRecording();
        if (c.refusal.empty()) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_TRUE(model.Recording());
            EXPECT_EQ(model.Mode(), EditMode::kIdle);
            model.ToggleRecording();
        } else {
            EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kProgram, c.refusal}}));
            EXPECT_FALSE(model.Recording());
            EXPECT_EQ(model.Mode(), c.mode);
            model.EndEditing();
        }
    }
}

TEST_F(MacroPageModelTest, RefusalsSpeakChineseInTheChineseUi) {
    state->bChinese = 1;
    ShowStored({0xC0000041});
    model.StartInsert();
    model.ToggleRecording();
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kProgram, u"正在修改/插入一个键，无法录制"}}));
    model.EndEditing();
    model.ToggleRecording();
    EXPECT_EQ(model.RecordCaption(), CaptionId::StopRecord);
}

TEST_F(MacroPageModelTest, SelectingAnotherMacroStopsAndStoresTheRecording) {
    ASSERT_TRUE(library.StoreMacro(Macro(0x16000002, u"Other", {0xC0000042})));
    ShowStored({0xC0000030});
    ASSERT_EQ(model.Macros()[0].id, 0x16000002u);
    model.SetSkipDelays(true);
    model.ToggleRecording();
    model.OnHookInput(kA, 0);
    model.OnHookInput(kA, kReleased);
    model.SelectMacro(0);
    EXPECT_FALSE(model.Recording());
    EXPECT_EQ(StoredEvents(), (std::vector<uint32_t>{0xC0000041, 0xE0000041}));
    EXPECT_EQ(model.Lines(), (std::vector<L>{{kLineKeyDown, kB}}));
}

TEST_F(MacroPageModelTest, RecordingWithoutASelectedMacroDoesNothing) {
    model.ShowCategory(3);
    model.ToggleRecording();
    EXPECT_FALSE(model.Recording());
}

TEST_F(MacroPageModelTest, PadsCountOnlyWhileRecordingOrCapturingAKey) {
    ShowStored({0xC0000041, 0xE0000041});
    EXPECT_FALSE(model.AcceptsPadInput());
    model.OnHookInput(0x01, 0);  // a pad press while idle changes nothing
    EXPECT_EQ(model.CapturedKey(), 0u);
    model.StartInsert();
    EXPECT_TRUE(model.AcceptsPadInput());
    model.OnHookInput(0x04, 0);
    EXPECT_EQ(model.KeyFieldText(), u"Middle Button");
    model.ChooseEditor(Editor::kDelay);
    EXPECT_FALSE(model.AcceptsPadInput());
}

// ---- loading

TEST_F(MacroPageModelTest, LoadingShowsEventsAndRepeat) {
    struct Case {
        const char* name;
        uint32_t id;
        std::vector<uint32_t> events;
        uint32_t repeat;
        std::vector<EventLine> lines;
        RepeatChoice choice;
        std::u16string count;
    };
    const Case cases[] = {
        {"every kind", 0x16000001, {0xC0000041, 0xA0000064, 0x40000000 | PackMove(-3, 5), 0xE0000041}, 4,
         {{kLineKeyDown, kA}, {kLineDelay, 100}, {kLineMove, PackMove(-3, 5)}, {kLineKeyUp, kA}},
         RepeatChoice::kPlayCount, u"4"},
        {"an unknown kind ends the list", 0x16000001, {0xC0000041, 0x12345678, 0xE0000041}, 0xFFFE,
         {{kLineKeyDown, kA}}, RepeatChoice::kRepeatFFFE, u"1"},
        {"category 21 shows no events", 0x15000001, {0xC0000041, 0xE0000041}, 0xFFFF, {}, RepeatChoice::kPlayCount, u"1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(library.StoreMacro(Macro(c.id, u"M", c.events, c.repeat)));
        model.ShowCategory(MacroCategory(c.id));
        ASSERT_EQ(model.Macros().size(), 1u);
        EXPECT_EQ(model.Macros()[0].name, u"M");
        EXPECT_EQ(model.Lines(), c.lines);
        EXPECT_EQ(model.Repeat(), c.choice);
        EXPECT_EQ(model.CountText(), c.count);
        library.DeleteMacro(c.id);
    }
}

// ---- storing

TEST_F(MacroPageModelTest, StoringDropsLeadingDelaysAndMergesDelaysThatMeet) {
    ShowStored({0xA00001F4, 0xC0000041, 0xA0020000, 0xE0000041, 0xA0030000, 0xC0000042});
    model.SelectLine(3);
    model.DeleteLine();
    // 0x20000 + 0x30000 ms would exceed the cap of a line.
    EXPECT_EQ(model.Lines(), (std::vector<L>{{kLineDelay, 500}, {kLineKeyDown, kA}, {kLineDelay, kMaxDelayMs}, {kLineKeyDown, kB}}));
    EXPECT_EQ(StoredEvents(), (std::vector<uint32_t>{0xC0000041, 0xA0000000 | kMaxDelayMs, 0xC0000042}));
    EXPECT_EQ(Stored()->dwSize, 4100u + 4 * 4);
}

TEST_F(MacroPageModelTest, DeletingTheLastLineLeavesTheStoredMacro) {
    ShowStored({0xC0000041});
    model.SelectLine(0);
    model.DeleteLine();
    EXPECT_TRUE(model.Lines().empty());
    EXPECT_EQ(StoredEvents(), (std::vector<uint32_t>{0xC0000041}));
}

TEST_F(MacroPageModelTest, AMacroTooLongForTheMouseIsRefusedAndStaysInTheList) {
    ShowStored({0xC0000041});
    std::vector<L> moves(128, L{kLineMove, PackMove(1, 1)});  // 512 units, the image holds 511
    EXPECT_EQ(model.SetLines(moves), StoreOutcome::kRefused);
    EXPECT_EQ(model.Lines().size(), 128u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(Utf16ToUtf8(messages.shown[0].text).find("too long for the mouse"), std::string::npos);
    EXPECT_EQ(StoredEvents(), (std::vector<uint32_t>{0xC0000041}));

    moves.pop_back();
    EXPECT_EQ(model.SetLines(moves), StoreOutcome::kStored);
    EXPECT_EQ(StoredEvents().size(), 127u);
}

TEST_F(MacroPageModelTest, AFullLibraryRefusesANewMacroWithAMessage) {
    for (uint32_t i = 0; i < kMacroCount; ++i) state->MacroTable[i] = Macro(0x03000000 + i + 1, u"x", {0xC0000041});
    model.ShowCategory(22);
    model.NewMacro();
    EXPECT_EQ(model.SetLines({{kLineKeyDown, kA}}), StoreOutcome::kRefused);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(Utf16ToUtf8(messages.shown[0].text).find("full"), std::string::npos);
    EXPECT_EQ(model.Lines().size(), 1u);
}

TEST_F(MacroPageModelTest, CountFieldAndRepeatButtonsAreStored) {
    ShowStored({0xC0000041});
    model.SetCountText(u"007");
    EXPECT_EQ(Stored()->dwRepeat, 7u);
    // The timer's tidy changes the text only; the stored value already agrees.
    ASSERT_TRUE(model.TidyCountField());
    EXPECT_EQ(model.CountText(), u"7");
    EXPECT_FALSE(model.TidyCountField());
    model.SetCountText(u"70000");
    EXPECT_EQ(Stored()->dwRepeat, 0xFFFDu);
    model.TidyCountField();
    EXPECT_EQ(model.CountText(), u"65533");
    model.SetCountText(u"");
    model.TidyCountField();
    EXPECT_EQ(model.CountText(), u"1");
    model.SetRepeatChoice(RepeatChoice::kRepeatFFFF);
    EXPECT_EQ(Stored()->dwRepeat, 0xFFFFu);
}

// ---- new, delete, rename, import

TEST_F(MacroPageModelTest, NewMacroTakesCategoryAndTickAndReachesTheLibraryWithItsFirstEvent) {
    model.ShowCategory(7);
    clock.Advance(0x01234567 - clock.TickCount());
    model.NewMacro();
    ASSERT_EQ(model.SelectedMacroId(), 0x07234567u);
    EXPECT_EQ(model.Macros().back().name, u"New Macro");
    EXPECT_EQ(model.CountText(), u"1");
    EXPECT_EQ(Stored(0x07234567), nullptr);
    model.SetLines({{kLineKeyDown, kA}, {kLineKeyUp, kA}});
    ASSERT_NE(Stored(0x07234567), nullptr);
    EXPECT_EQ(FixedText(Stored(0x07234567)->szName), u"New Macro");
}

TEST_F(MacroPageModelTest, NewMacroNeverTakesTheIdOfAnother) {
    ASSERT_TRUE(library.StoreMacro(Macro(0x16000500, u"Old", {0xC0000041})));
    model.ShowCategory(22);
    clock.Advance(0x500 - clock.TickCount());
    model.NewMacro();
    model.NewMacro();
    EXPECT_EQ(model.Macros()[1].id, 0x16000501u);
    EXPECT_EQ(model.Macros()[2].id, 0x16000502u);
}

TEST_F(MacroPageModelTest, DeleteMacro) {
    ShowStored({0xC0000041});
    state->index[3].nButtonMacroId[2] = 0x16000001;
    EXPECT_FALSE(model.DeleteMacro());
    EXPECT_EQ(model.Macros().size(), 1u);
    state->index[3].nButtonMacroId[2] = 0;
    EXPECT_TRUE(model.DeleteMacro());
    EXPECT_TRUE(model.Macros().empty());
    EXPECT_TRUE(model.Lines().empty());
    EXPECT_EQ(Stored(), nullptr);
    // A new macro that was never stored just leaves the list.
    model.NewMacro();
    EXPECT_TRUE(model.DeleteMacro());
    EXPECT_TRUE(model.Macros().empty());
}

TEST_F(MacroPageModelTest, RenameRefusesANameTheRecordCannotHoldWhole) {
    ShowStored({0xC0000041});
    const std::u16string before = model.Macros()[0].name;
    for (const std::u16string& name : {std::u16string(), std::u16string(40, u'x'), std::u16string(500, u'x')}) {
        EXPECT_FALSE(model.RenameMacro(0, name)) << name.size();
        EXPECT_EQ(model.Macros()[0].name, before);
        EXPECT_EQ(FixedText(Stored()->szName), before);
    }
    EXPECT_TRUE(model.RenameMacro(0, std::u16string(39, u'x')));
    EXPECT_EQ(model.Macros()[0].name, std::u16string(39, u'x'));
    EXPECT_EQ(FixedText(Stored()->szName), std::u16string(39, u'x'));
}

TEST_F(MacroPageModelTest, ImportIsListedShownAndSavedAtOnce) {
    const auto file = folder / "in.cfg";
    const MacroEntry imported = Macro(0x16ABCDEF, u"Imported", {0xC0000041, 0xE0000041}, 2);
    oryn7px::testing::WriteAll(file, &imported, sizeof imported);
    model.ShowCategory(22);
    EXPECT_EQ(model.ImportMacro(file), MacroImportResult::kImported);
    EXPECT_EQ(model.SelectedMacroId(), 0x16ABCDEFu);
    EXPECT_EQ(model.Lines(), (std::vector<L>{{kLineKeyDown, kA}, {kLineKeyUp, kA}}));
    MacroTableData saved{};
    const auto bytes = oryn7px::testing::ReadAll(library.MacroPath());
    ASSERT_EQ(bytes.size(), sizeof saved);
    std::memcpy(&saved, bytes.data(), sizeof saved);
    EXPECT_NE(FindMacroEntry(saved, 0x16ABCDEF), nullptr);

    // The same id again replaces the listed macro: one entry, the imported name.
    const MacroEntry renamed = Macro(0x16ABCDEF, u"Again", {0xC0000041, 0xE0000041}, 2);
    oryn7px::testing::WriteAll(file, &renamed, sizeof renamed);
    EXPECT_EQ(model.ImportMacro(file), MacroImportResult::kReplaced);
    ASSERT_EQ(model.Macros().size(), 1u);
    EXPECT_EQ(model.Macros()[0].name, u"Again");
    EXPECT_EQ(model.SelectedMacroId(), 0x16ABCDEFu);
}

// ---- line editors

TEST_F(MacroPageModelTest, KeyInsertCapturesFromTheHooksAndInsertsAPair) {
    ShowStored({0xC0000030, 0xE0000030});
    model.SelectLine(1);
    model.StartInsert();
    EXPECT_TRUE(model.EditorShown(Editor::kKey) && model.EditorShown(Editor::kDelay) && model.EditorShown(Editor::kMove));
    EXPECT_TRUE(model.EditorActive(Editor::kKey));
    DesktopKey(kB, 0);
    for (const Message& m : page.Take()) model.OnHookInput(static_cast<uint32_t>(m.wParam), static_cast<uint32_t>(m.lParam));
    EXPECT_EQ(model.KeyFieldText(), u"B");
    model.ConfirmKey();
    EXPECT_EQ(model.Mode(), EditMode::kIdle);
    EXPECT_EQ(model.SelectedLine(), 3);
    EXPECT_EQ(StoredEvents(), (std::vector<uint32_t>{0xC0000030, 0xC0000042, 0xE0000042, 0xE0000030}));
    DesktopKey(kA, 0);
    EXPECT_TRUE(page.Take().empty());  // capture ended with the editor
}

TEST_F(MacroPageModelTest, KeyInsertWithoutALineSelectedAppends) {
    model.ShowCategory(22);
    model.NewMacro();
    model.StartInsert();
    model.OnHookInput(kA, 0);
    model.ConfirmKey();
    EXPECT_EQ(model.Lines(), (std::vector<L>{{kLineKeyDown, kA}, {kLineKeyUp, kA}}));
    // Without a captured key a confirm inserts nothing.
    model.StartInsert();
    model.ConfirmKey();
    EXPECT_EQ(model.Lines().size(), 2u);
}

TEST_F(MacroPageModelTest, DelayInsert) {
    const std::vector<uint32_t> keys{0xC0000041, 0xE0000041, 0xC0000042};
    struct Case {
        const char* name;
        std::vector<uint32_t> events;
        int selected;
        std::u16string typed;
        std::vector<EventLine> lines;
    };
    const Case cases[] = {
        {"between keys", keys, 1, u"250", {{3, kA}, {4, 250}, {2, kA}, {3, kB}}},
        {"added to the delay before", {0xC0000041, 0xA0000064, 0xE0000041}, 2, u"50", {{3, kA}, {4, 150}, {2, kA}}},
        {"added to the selected delay", {0xC0000041, 0xA0000064, 0xE0000041}, 1, u"50", {{3, kA}, {4, 150}, {2, kA}}},
        {"sum capped", {0xC0000041, 0xA0000000 | 327000, 0xE0000041}, 2, u"9999", {{3, kA}, {4, kMaxDelayMs}, {2, kA}}},
        {"first line selected: nothing", keys, 0, u"250", {{3, kA}, {2, kA}, {3, kB}}},
        {"no line selected: nothing", keys, -1, u"250", {{3, kA}, {2, kA}, {3, kB}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowStored(c.events);
        model.SelectLine(c.selected);
        model.StartInsert();
        model.ChooseEditor(Editor::kDelay);
        EXPECT_TRUE(model.EditorActive(Editor::kDelay));
        model.SetDelayText(c.typed);
        model.ConfirmDelay();
        EXPECT_EQ(model.Lines(), c.lines);
        EXPECT_EQ(model.Mode(), EditMode::kIdle);
        library.DeleteMacro(0x16000001);
    }
}

TEST_F(MacroPageModelTest, MoveInsert) {
    const std::vector<uint32_t> keys{0xC0000041, 0xE0000041};
    const uint32_t move = PackMove(-5, 12);
    struct Case {
        const char* name;
        int selected;
        std::vector<EventLine> lines;
    };
    const Case cases[] = {
        {"before the selected line", 1, {{3, kA}, {5, move}, {2, kA}}},
        {"appended without a selection", -1, {{3, kA}, {2, kA}, {5, move}}},
        {"first line selected: nothing", 0, {{3, kA}, {2, kA}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowStored(keys);
        model.SelectLine(c.selected);
        model.StartInsert();
        model.ChooseEditor(Editor::kMove);
        model.SetMoveText(false, u"-05");
        model.StepMove(false, -1);
        model.StepMove(false, +1);
        model.SetMoveText(true, u"12");
        model.ConfirmMove();
        EXPECT_EQ(model.Lines(), c.lines);
        library.DeleteMacro(0x16000001);
    }
}

TEST_F(MacroPageModelTest, MoveStepsStopAtTheRange) {
    ShowStored({0xC0000041});
    model.StartInsert();
    model.ChooseEditor(Editor::kMove);
    model.SetMoveText(true, u"127");
    model.StepMove(true, +1);
    EXPECT_EQ(model.MoveText(true), u"127");
    model.SetMoveText(false, u"-127");
    model.StepMove(false, -1);
    EXPECT_EQ(model.MoveText(false), u"-127");
}

TEST_F(MacroPageModelTest, ModifyReplacesTheSelectedLine) {
    const std::vector<uint32_t> events{0xC0000041, 0xA0000064, 0x40000000 | PackMove(1, 1), 0xE0000041};
    struct Case {
        const char* name;
        int line;
        EditMode mode;
        std::function<void(MacroPageModel&)> edit;
        EventLine after;
    };
    const Case cases[] = {
        {"key up keeps its type", 3, EditMode::kModifyKey, [](MacroPageModel& m) { m.OnHookInput(kB, 0); }, {kLineKeyUp, kB}},
        {"delay", 1, EditMode::kModifyDelay, [](MacroPageModel& m) { m.SetDelayText(u"40"); }, {kLineDelay, 40}},
        {"move", 2, EditMode::kModifyMove,
         [](MacroPageModel& m) { m.SetMoveText(false, u"-7"); m.SetMoveText(true, u"300"); }, {kLineMove, PackMove(-7, 127)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowStored(events);
        model.SelectLine(c.line);
        model.StartModify();
        ASSERT_EQ(model.Mode(), c.mode);
        EXPECT_TRUE(model.EditorShown(EditorOfMode(c.mode)));
        c.edit(model);
        switch (c.mode) {
            case EditMode::kModifyKey: model.ConfirmKey(); break;
            case EditMode::kModifyDelay: model.ConfirmDelay(); break;
            default: model.ConfirmMove(); break;
        }
        EXPECT_EQ(model.Lines()[static_cast<std::size_t>(c.line)], c.after);
        EXPECT_EQ(StoredEvents()[static_cast<std::size_t>(c.line)], EventOfLine(c.after));
        library.DeleteMacro(0x16000001);
    }
}

TEST_F(MacroPageModelTest, ModifyOpensOnlyItsOwnEditorWithTheLinesValue) {
    ShowStored({0xC0000041, 0xA0000064, 0xE0000041});
    model.SelectLine(1);
    model.StartModify();
    EXPECT_TRUE(model.EditorShown(Editor::kDelay));
    EXPECT_FALSE(model.EditorShown(Editor::kKey));
    EXPECT_FALSE(model.EditorShown(Editor::kMove));
    EXPECT_EQ(model.DelayText(), u"100");
    // Selecting another line closes the editor.
    model.SelectLine(2);
    EXPECT_EQ(model.Mode(), EditMode::kIdle);
    EXPECT_FALSE(model.EditorShown(Editor::kDelay));
}

}  // namespace
}  // namespace oryn7px::macro_page
