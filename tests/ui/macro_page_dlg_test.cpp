// The macro page under the offscreen platform: controls at their rectangles, editors by edit
// mode, recording from posted hook messages and pads, rename in place, the category choice,
// hints, import and export, captions, and the main window's calls.
#include "core/i18n/us_keyboard_layout.h"
#include "ui/pages/macro_page_dlg.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../fakes/fake_hook_backend.h"
#include "core/base/messages.h"
#include "core/base/utf16.h"
#include "core/device/input_hooks.h"
#include "core/settings/macro_library.h"
#include "core/settings/profile_store.h"
#include "core/settings/statistics_file.h"
#include "caption_checks.h"
#include "main_window_fixture.h"
#include "ui/frame/key_prefilter.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/list_box_ex.h"
#include "ui/skin/qt_conversions.h"
#include "ui_test_support.h"

namespace oryn7px::test {
namespace {

using namespace macro_page;

MacroEntry Macro(uint32_t id, std::u16string_view name, std::vector<uint32_t> events) {
    MacroEntry entry{};
    entry.dwSize = static_cast<uint32_t>(4100 + 4 * events.size());
    entry.dwMagic = kMacroMagic;
    entry.dwMacroId = id;
    entry.dwRepeat = 1;
    entry.dwEventCount = static_cast<uint32_t>(events.size());
    std::copy(events.begin(), events.end(), entry.dwEvents);
    SetFixedText(entry.szName, name);
    return entry;
}

// The page with its file dialogs answered by the test.
class TestableDlgMacro final : public CDlgMacro {
public:
    using CDlgMacro::CDlgMacro;
    std::optional<std::filesystem::path> importFile;
    std::optional<std::filesystem::path> exportFile;
    QString askedExportName;

protected:
    std::optional<std::filesystem::path> AskImportFile() override { return importFile; }
    std::optional<std::filesystem::path> AskExportFile(const QString& name) override {
        askedExportName = name;
        return exportFile;
    }
};

class DlgMacroTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString built = QStringLiteral(ORYN7PX_TEST_PROGRAM_DIR);
        std::filesystem::create_directory_symlink(std::filesystem::path(built.toStdString()) / "skins", Program() / "skins");
        const auto menuLibrary = std::filesystem::path(built.toStdString()) / "libMenuEx.so";
        if (std::filesystem::exists(menuLibrary)) std::filesystem::create_symlink(menuLibrary, Program() / "libMenuEx.so");
        SetProgramFolder(QString::fromStdString(Program().string()));
        state->bChinese = 0;
        std::ofstream(Data() / "Macro.cfg", std::ios::binary).write(std::string(sizeof(MacroTableData), '\0').data(), sizeof(MacroTableData));
        ASSERT_TRUE(library.StoreMacro(Macro(0x16000001, u"Reload", {0xC0000052, 0xA0000064, 0xE0000052})));
        ASSERT_TRUE(library.StoreMacro(Macro(0x16000002, u"Jump", {0xC0000020, 0xE0000020})));
        ASSERT_TRUE(library.StoreMacro(Macro(0x03000007, u"Buy AK", {0xC0000042, 0xE0000042})));
        ASSERT_TRUE(hooks.InstallInputHooks(&mainTarget));
    }
    void TearDown() override {
        page.reset();
        SetProgramFolder(QString());
    }

    // Built as at start-up: the layout follows the language of that moment.
    TestableDlgMacro& Page() {
        if (!page) {
            const PageContext context{&mainWindow, state->profile, std::span<uint32_t, kButtonCount>(state->ButtonMacroId),
                                      state->bChinese, library, store, strings, messages, &hooks,
                                      QString::fromStdString(Program().string()), {}, state->MacroTable,
                                      keyboardLayout, statistics, nullptr, state->bChinese == 1};
            page = std::make_unique<TestableDlgMacro>(context);
        }
        return *page;
    }
    void Click(CDlgMacro::Control control) {
        QTest::mouseClick(Page().Button(control), Qt::LeftButton);
        Flush();
    }
    void Post(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
        PostMessageTo(&Page(), {msg, wParam, lParam});
        Flush();
    }
    std::vector<QString> Rows(const CListBoxEx* list) {
        std::vector<QString> rows;
        for (int i = 0; i < list->count(); ++i) rows.push_back(list->RowText(i));
        return rows;
    }
    std::vector<uint32_t> StoredEvents(uint32_t id) {
        const MacroEntry* entry = library.FindMacro(id);
        return entry ? std::vector<uint32_t>(entry->dwEvents, entry->dwEvents + entry->dwEventCount) : std::vector<uint32_t>{};
    }

    std::filesystem::path Program() const { return programDir.path().toStdString(); }
    std::filesystem::path Data() const { return dataDir.path().toStdString(); }
    // The program's language files; the page's program folder holds only the skins.
    void LoadLanguage(std::string_view fileName) {
        strings.LoadLanguageFile(LanguageFilePath(ORYN7PX_TEST_PROGRAM_DIR, test::LanguageNumberOf(fileName)));
    }

    QTemporaryDir programDir;
    QTemporaryDir dataDir;
    VirtualClock clock;
    LinuxFileWriter writer;
    RecordingMessages messages;
    IconvCodePageConverter converter;
    StringTable strings{converter};
    std::unique_ptr<SettingsState> state = std::make_unique<SettingsState>();
    LinuxPaths paths{Program(), Data(), Data(), Data()};
    ProfileStore store{*state, paths, writer, messages, strings};
    MacroLibrary library{*state, paths, writer, messages, strings, clock};
    StatisticsFile statistics{paths, writer, messages, strings};
    testing::FakeHookBackend backend;
    InputHooks hooks{backend};
    RecordingWidget mainWindow;
    QtMessageTarget mainTarget{&mainWindow};
    UsKeyboardLayout keyboardLayout;
    std::unique_ptr<TestableDlgMacro> page;
};

TEST_F(DlgMacroTest, EveryControlSitsAtItsRectangleInBothLayouts) {
    using B = CDlgMacro;
    const std::pair<B::Control, LayoutRect MacroPageLayout::*> buttons[] = {
        {B::kCategory, &MacroPageLayout::category},       {B::kNewMacro, &MacroPageLayout::newMacro},
        {B::kDeleteMacro, &MacroPageLayout::deleteMacro}, {B::kImportMacro, &MacroPageLayout::importMacro},
        {B::kExportMacro, &MacroPageLayout::exportMacro}, {B::kInsertLine, &MacroPageLayout::insertLine},
        {B::kDeleteLine, &MacroPageLayout::deleteLine},   {B::kModifyLine, &MacroPageLayout::modifyLine},
        {B::kRecord, &MacroPageLayout::record},           {B::kSkipDelays, &MacroPageLayout::skipDelays},
        {B::kRepeatCount, &MacroPageLayout::repeatCount}, {B::kRepeatFFFE, &MacroPageLayout::repeatFFFE},
        {B::kRepeatFFFF, &MacroPageLayout::repeatFFFF},   {B::kLeftPad, &MacroPageLayout::leftPad},
        {B::kMiddlePad, &MacroPageLayout::middlePad},     {B::kRightPad, &MacroPageLayout::rightPad},
        {B::kKeyChoice, &MacroPageLayout::keyChoice},     {B::kKeyConfirm, &MacroPageLayout::keyConfirm},
        {B::kDelayChoice, &MacroPageLayout::delayChoice}, {B::kDelayConfirm, &MacroPageLayout::delayConfirm},
        {B::kMoveChoice, &MacroPageLayout::moveChoice},   {B::kXUp, &MacroPageLayout::xUp},
        {B::kXDown, &MacroPageLayout::xDown},             {B::kYUp, &MacroPageLayout::yUp},
        {B::kYDown, &MacroPageLayout::yDown},             {B::kMoveConfirm, &MacroPageLayout::moveConfirm},
    };
    const std::tuple<B::Field, LayoutRect MacroPageLayout::*, int, int> fields[] = {
        {B::kCountField, &MacroPageLayout::countField, kCountFieldId, 5},
        {B::kDelayField, &MacroPageLayout::delayField, kDelayFieldId, 4},
        {B::kXField, &MacroPageLayout::xField, kMoveXFieldId, 5},
        {B::kYField, &MacroPageLayout::yField, kMoveYFieldId, 5},
    };
    for (int chinese : {0, 1}) {
        SCOPED_TRACE(chinese);
        state->bChinese = chinese;
        page.reset();
        const MacroPageLayout& layout = LayoutFor(chinese == 1);
        EXPECT_EQ(&Page().Layout(), &layout);
        for (const auto& [control, rect] : buttons) {
            EXPECT_EQ(Page().Button(control)->geometry(), ToQRect(layout.*rect)) << control;
        }
        for (const auto& [field, rect, id, chars] : fields) {
            EXPECT_EQ(Page().Edit(field)->geometry(), ToQRect(layout.*rect)) << field;
            EXPECT_EQ(Page().Edit(field)->ControlId(), id);
            EXPECT_EQ(Page().Edit(field)->maxLength(), chars);
        }
        EXPECT_EQ(Page().MacroList()->mapTo(&Page(), QPoint(0, 0)), ToQRect(layout.macroList).topLeft());
        EXPECT_EQ(Page().EventList()->mapTo(&Page(), QPoint(0, 0)), ToQRect(layout.eventList).topLeft());
        EXPECT_EQ(Page().Button(B::kRecord)->Caption().text, QString::fromStdU16String(strings.Caption(CaptionId::StartRecord)));
    }
}

TEST_F(DlgMacroTest, OpensOnTheOwnCategoryWithTheLastMacroShown) {
    EXPECT_EQ(Page().Button(CDlgMacro::kCategory)->GetText().trimmed(), QStringLiteral("Customisze"));
    EXPECT_EQ(Rows(Page().MacroList()), (std::vector<QString>{"Reload", "Jump"}));
    EXPECT_EQ(Page().MacroList()->currentRow(), 1);
    EXPECT_EQ(Rows(Page().EventList()), (std::vector<QString>{"Space", "Space"}));
    // Key down and key up rows carry their row pictures.
    EXPECT_EQ(Page().EventList()->RowValue(0) >> 24, uint32_t{kLineKeyDown});
    EXPECT_EQ(Page().EventList()->RowValue(1) >> 24, uint32_t{kLineKeyUp});

    Page().MacroList()->setCurrentRow(0);
    Flush();
    EXPECT_EQ(Rows(Page().EventList()), (std::vector<QString>{"R", "100  ms", "R"}));
    EXPECT_EQ(Page().EventList()->RowValue(1), (kLineDelay << 24) | 100u);
}

TEST_F(DlgMacroTest, AChosenCategoryFillsTheList) {
    Post(MENUEX_CHOICE_MESSAGE, 3, 0);
    EXPECT_EQ(Page().Button(CDlgMacro::kCategory)->GetText().trimmed(), QStringLiteral("Counter-Strike: Global Offensive"));
    EXPECT_EQ(Rows(Page().MacroList()), (std::vector<QString>{"Buy AK"}));
    EXPECT_EQ(Rows(Page().EventList()), (std::vector<QString>{"B", "B"}));
}

TEST_F(DlgMacroTest, TheCategoryButtonOpensTheMenuLibrarysPopup) {
    ASSERT_TRUE(std::filesystem::exists(Program() / "libMenuEx.so"));
    auto shownPopups = [] {
        int shown = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) shown += w->isVisible() && (w->windowFlags() & Qt::Tool) == Qt::Tool;
        return shown;
    };
    Click(CDlgMacro::kCategory);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownPopups() == 1; }, 2000));
    // A click elsewhere on the page closes it again, without a choice.
    QTest::mouseClick(&Page(), Qt::LeftButton, {}, QPoint(500, 440));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownPopups() == 0; }, 2000));
    EXPECT_EQ(Page().Model().Category(), 22u);
}

TEST_F(DlgMacroTest, EditorsFollowTheEditMode) {
    using B = CDlgMacro;
    auto shown = [&](B::Field field) { return !Page().Edit(field)->isHidden(); };
    EXPECT_FALSE(shown(B::kKeyField) || shown(B::kDelayField) || shown(B::kXField));
    Page().EventList()->setCurrentRow(1);
    Flush();
    Click(B::kInsertLine);
    EXPECT_TRUE(shown(B::kKeyField) && shown(B::kDelayField) && shown(B::kXField) && shown(B::kYField));
    EXPECT_TRUE(Page().Edit(B::kKeyField)->isEnabled());
    EXPECT_FALSE(Page().Edit(B::kDelayField)->isEnabled());
    EXPECT_TRUE(Page().Button(B::kKeyChoice)->GetChecked());

    // Key capture comes from the hooks: a key on the desktop lands in the key field.
    backend.sink->KeyboardProc(0x51, 0);
    Flush();
    EXPECT_EQ(Page().Edit(B::kKeyField)->text(), QStringLiteral("Q"));

    Click(B::kDelayChoice);
    EXPECT_TRUE(Page().Edit(B::kDelayField)->isEnabled());
    EXPECT_FALSE(Page().Edit(B::kKeyField)->isEnabled());
    QTest::keyClicks(Page().Edit(B::kDelayField), "250");
    Click(B::kDelayConfirm);
    EXPECT_EQ(Rows(Page().EventList()), (std::vector<QString>{"Space", "250  ms", "Space"}));
    EXPECT_EQ(StoredEvents(0x16000002), (std::vector<uint32_t>{0xC0000020, 0xA00000FA, 0xE0000020}));
    EXPECT_FALSE(shown(B::kKeyField) || shown(B::kDelayField) || shown(B::kXField));

    // Modify opens only the editor of the line's kind.
    Page().EventList()->setCurrentRow(2);
    Flush();
    Click(B::kModifyLine);
    EXPECT_TRUE(shown(B::kKeyField));
    EXPECT_FALSE(shown(B::kDelayField) || shown(B::kXField));
    EXPECT_EQ(Page().Edit(B::kKeyField)->text(), QStringLiteral("Space"));
}

TEST_F(DlgMacroTest, MoveEditorStepsAndTidiesItsFields) {
    using B = CDlgMacro;
    Click(B::kInsertLine);
    Click(B::kMoveChoice);
    CBitmapEdit* x = Page().Edit(B::kXField);
    x->selectAll();
    QTest::keyClicks(x, "300");
    EXPECT_EQ(x->text(), QStringLiteral("127"));
    Click(B::kXUp);
    EXPECT_EQ(x->text(), QStringLiteral("127"));
    Click(B::kXDown);
    EXPECT_EQ(x->text(), QStringLiteral("126"));
    Click(B::kYDown);
    EXPECT_EQ(Page().Edit(B::kYField)->text(), QStringLiteral("-1"));
    // Left at the start of a move field jumps to the end of its text.
    x->setCursorPosition(0);
    QTest::keyClick(x, Qt::Key_Left);
    EXPECT_EQ(x->cursorPosition(), 3);
    Click(B::kMoveConfirm);
    EXPECT_EQ(Rows(Page().EventList()).back(), QStringLiteral("(126, -1)"));
}

TEST_F(DlgMacroTest, RecordingTakesPostedHookMessagesAndPads) {
    using B = CDlgMacro;
    Click(B::kSkipDelays);
    Click(B::kRecord);
    EXPECT_EQ(Page().Button(B::kRecord)->Caption().text, QStringLiteral("Stop Record"));
    EXPECT_TRUE(Page().Button(B::kRecord)->GetChecked());
    for (B::Control c : {B::kNewMacro, B::kDeleteMacro, B::kInsertLine, B::kDeleteLine, B::kModifyLine}) {
        EXPECT_FALSE(Page().Button(c)->isEnabled()) << c;
    }
    EXPECT_EQ(Page().EventList()->count(), 0);

    // A held key repeats: one line.
    backend.sink->KeyboardProc(0x41, 0);
    backend.sink->KeyboardProc(0x41, 0);
    backend.sink->KeyboardProc(0x41, 0x80);
    Flush();
    // The left pad records the left button.
    QTest::mousePress(Page().Button(B::kLeftPad), Qt::LeftButton);
    QTest::mouseRelease(Page().Button(B::kLeftPad), Qt::LeftButton);
    Flush();
    Flush();
    EXPECT_EQ(Rows(Page().EventList()), (std::vector<QString>{"A", "A", "Left Button", "Left Button"}));

    Click(B::kRecord);
    EXPECT_EQ(Page().Button(B::kRecord)->Caption().text, QStringLiteral("Start Record"));
    EXPECT_TRUE(Page().Button(B::kNewMacro)->isEnabled());
    EXPECT_EQ(StoredEvents(0x16000002), (std::vector<uint32_t>{0xC0000041, 0xE0000041, 0xC0000001, 0xE0000001}));
    // Off again: keys no longer reach the page.
    backend.sink->KeyboardProc(0x42, 0);
    Flush();
    EXPECT_EQ(Page().EventList()->count(), 4);
}

TEST_F(DlgMacroTest, RecordingIsRefusedWhileAKeyIsInserted) {
    Click(CDlgMacro::kInsertLine);
    Click(CDlgMacro::kRecord);
    EXPECT_EQ(messages.boxes, (std::vector<std::u16string>{u"It is Modifying or inserting a button,you can not record"}));
    EXPECT_FALSE(Page().Model().Recording());
}

TEST_F(DlgMacroTest, NewMacroIsNamedInPlaceAndStoredWithItsFirstLine) {
    clock.Advance(0x123456);
    Click(CDlgMacro::kNewMacro);
    ASSERT_EQ(Page().MacroList()->count(), 3);
    QLineEdit* editor = Page().MacroList()->EditBox();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("New Macro"));
    editor->setText(QStringLiteral("Grenade"));
    QTest::keyClick(editor, Qt::Key_Return);
    Flush();
    EXPECT_EQ(Page().MacroList()->RowText(2), QStringLiteral("Grenade"));
    const uint32_t id = *Page().Model().SelectedMacroId();
    EXPECT_EQ(id >> 24, 22u);
    EXPECT_EQ(library.FindMacro(id), nullptr);

    Click(CDlgMacro::kInsertLine);
    Post(UM_HOOK_INPUT, 0x47, 0);
    Click(CDlgMacro::kKeyConfirm);
    ASSERT_NE(library.FindMacro(id), nullptr);
    EXPECT_EQ(FixedText(library.FindMacro(id)->szName), u"Grenade");
    EXPECT_EQ(StoredEvents(id), (std::vector<uint32_t>{0xC0000047, 0xE0000047}));
}

TEST_F(DlgMacroTest, RenamingAStoredMacroInPlaceUnderTheMainWindowsKeyFilter) {
    // The main window keeps Enter, Escape and Space from its controls, but not from an edit box.
    KeyPreFilter keys(&mainWindow, {[] {}, [] {}, [] { return false; }});
    Page().MacroList()->StartEdit(0);
    QLineEdit* editor = Page().MacroList()->EditBox();
    editor->clear();
    QTest::keyClicks(editor, "Reload fast");
    QTest::keyClick(editor, Qt::Key_Return);
    Flush();
    EXPECT_EQ(FixedText(library.FindMacro(0x16000001)->szName), u"Reload fast");
    EXPECT_EQ(Page().MacroList()->RowText(0), QStringLiteral("Reload fast"));

    Page().MacroList()->StartEdit(0);
    QTest::keyClicks(Page().MacroList()->EditBox(), "x");
    QTest::keyClick(Page().MacroList()->EditBox(), Qt::Key_Escape);
    Flush();
    EXPECT_EQ(Page().MacroList()->EditBox(), nullptr);
    EXPECT_EQ(FixedText(library.FindMacro(0x16000001)->szName), u"Reload fast");
}

TEST_F(DlgMacroTest, ExportThenImportThroughTheFileDialogs) {
    const auto file = Data() / "jump.cfg";
    Page().exportFile = file;
    Click(CDlgMacro::kExportMacro);
    EXPECT_EQ(Page().askedExportName, QStringLiteral("Jump"));
    ASSERT_EQ(std::filesystem::file_size(file), sizeof(MacroEntry));

    Click(CDlgMacro::kDeleteMacro);
    EXPECT_EQ(Rows(Page().MacroList()), (std::vector<QString>{"Reload"}));
    EXPECT_EQ(library.FindMacro(0x16000002), nullptr);

    Page().importFile = file;
    Click(CDlgMacro::kImportMacro);
    EXPECT_EQ(Rows(Page().MacroList()), (std::vector<QString>{"Reload", "Jump"}));
    EXPECT_EQ(Rows(Page().EventList()), (std::vector<QString>{"Space", "Space"}));
    EXPECT_NE(library.FindMacro(0x16000002), nullptr);
}

TEST_F(DlgMacroTest, CountFieldIsStoredAsTypedAndCommittedBeforeApply) {
    CBitmapEdit* count = Page().Edit(CDlgMacro::kCountField);
    count->selectAll();
    QTest::keyClicks(count, "12");
    EXPECT_EQ(library.FindMacro(0x16000002)->dwRepeat, 12u);
    count->setText(QStringLiteral("30"));  // not a user edit: nothing stored yet
    EXPECT_EQ(library.FindMacro(0x16000002)->dwRepeat, 12u);
    Page().BeforeApply();
    EXPECT_EQ(library.FindMacro(0x16000002)->dwRepeat, 30u);
    Click(CDlgMacro::kRepeatFFFE);
    EXPECT_EQ(library.FindMacro(0x16000002)->dwRepeat, 0xFFFEu);
    EXPECT_TRUE(Page().Button(CDlgMacro::kRepeatFFFE)->GetChecked());
    EXPECT_FALSE(Page().Button(CDlgMacro::kRepeatCount)->GetChecked());
}

TEST_F(DlgMacroTest, HintsByPlace) {
    const struct {
        QPoint at;
        int hint;
    } cases[] = {
        {{30, 420}, 40},  {{80, 420}, 41},  {{365, 420}, 42}, {{400, 420}, 43}, {{430, 420}, 44},
        {{800, 30}, 45},  {{700, 65}, 47},  {{860, 95}, 48},  {{720, 220}, 49}, {{760, 210}, 50},
        {{800, 220}, 51}, {{50, 30}, 86},   {{100, 200}, 87}, {{380, 30}, 88},  {{500, 200}, 88},
        {{640, 300}, 0},  {{650, 345}, 0},  // the key choice is hidden while no editor is open
    };
    for (const auto& c : cases) EXPECT_EQ(Page().HintAt(c.at), c.hint) << c.at.x() << "," << c.at.y();
    Click(CDlgMacro::kInsertLine);
    EXPECT_EQ(Page().HintAt({650, 345}), 52);
    Page().Model().EndEditing();
    Page().Model().ToggleRecording();
    EXPECT_EQ(Page().HintAt({800, 30}), 46);

    QMouseEvent move(QEvent::MouseMove, QPointF(100, 200), QPointF(100, 200), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&Page(), &move);
    Flush();
    ASSERT_FALSE(mainWindow.Received(UM_SHOW_HINT).empty());
    EXPECT_EQ(mainWindow.Received(UM_SHOW_HINT).back().lParam, 87);
}

TEST_F(DlgMacroTest, CaptionsFollowTheLanguageOnHiddenControlsToo) {
    // The page's captions and the record button's, which says what a click does.
    const auto pageCaptions = [this] {
        return CaptionTexts(CaptionsFor(false), strings) << CaptionTexts(kStartRecordCaption, strings);
    };
    LoadLanguage("en.xml");
    Page().Relabel();
    QStringList english = pageCaptions();
    QStringList drawn = DrawnCaptions(Page());
    english.sort();
    drawn.sort();
    EXPECT_EQ(drawn, english);
    EXPECT_TRUE(drawn.contains(QStringLiteral("Repeat while held")));

    LoadLanguage("ger.xml");
    Page().Relabel();
    QStringList german = pageCaptions();
    drawn = DrawnCaptions(Page());
    german.sort();
    drawn.sort();
    EXPECT_EQ(drawn, german);
    EXPECT_TRUE(drawn.contains(QStringLiteral("Importieren")));
    for (const QString& text : english) {
        if (!german.contains(text)) EXPECT_FALSE(drawn.contains(text)) << text.toStdString();
    }
    // The line editors are hidden while no line is edited; they show in the language of now.
    ASSERT_TRUE(Page().Button(CDlgMacro::kKeyChoice)->isHidden());
    EXPECT_EQ(Page().Button(CDlgMacro::kKeyChoice)->Caption().text, QStringLiteral("Taste"));
    Click(CDlgMacro::kInsertLine);
    EXPECT_FALSE(Page().Button(CDlgMacro::kKeyChoice)->isHidden());
    EXPECT_EQ(Page().Button(CDlgMacro::kKeyChoice)->Caption().text, QStringLiteral("Taste"));
}

TEST_F(DlgMacroTest, CaptionsAreDrawnByTheirControlsOrClearOfThemInBothLayouts) {
    LoadLanguage("en.xml");
    for (int chinese : {0, 1}) {
        SCOPED_TRACE(chinese);
        state->bChinese = chinese;
        page.reset();
        EXPECT_EQ(CoveredCaptions(Page(), CaptionsFor(chinese == 1), strings), std::vector<std::string>{});
        EXPECT_EQ(Page().Button(CDlgMacro::kRepeatFFFE)->Caption().text, QStringLiteral("Repeat while held"));
        EXPECT_EQ(Page().Button(CDlgMacro::kMoveConfirm)->Caption().text, QStringLiteral("OK"));
        // The headings and the labels over the list, the pads and the editors are the page's own.
        EXPECT_EQ(Page().Captions().OnOwner().size(), 6u);
    }
}

TEST_F(DlgMacroTest, RecordingTellsTheMainWindowItTakesTheKeyboard) {
    QSignalSpy taken(&Page(), &CPageDlg::KeyboardTaken);
    Click(CDlgMacro::kSkipDelays);
    Click(CDlgMacro::kRecord);
    Click(CDlgMacro::kRecord);
    Click(CDlgMacro::kRecord);
    Page().OnLeaving();
    ASSERT_EQ(taken.size(), 4);
    EXPECT_EQ((std::vector<bool>{taken[0][0].toBool(), taken[1][0].toBool(), taken[2][0].toBool(), taken[3][0].toBool()}),
              (std::vector<bool>{true, false, true, false}));
}

TEST_F(DlgMacroTest, LeavingThePageEndsARecordingAndStoresIt) {
    Click(CDlgMacro::kSkipDelays);
    Click(CDlgMacro::kRecord);
    Post(UM_HOOK_INPUT, 0x31, 0);
    Page().OnLeaving();
    EXPECT_FALSE(Page().Model().Recording());
    EXPECT_EQ(StoredEvents(0x16000002), (std::vector<uint32_t>{0xC0000031}));
}

}  // namespace
}  // namespace oryn7px::test
