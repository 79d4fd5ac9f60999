// The main window when profiles follow the program in front: a report from the desktop's tracker
// switches the profile and writes what differs, quietly; what holds a switch back; the rules
// file's changes taken as they land; the programs dialog from a right click; the tray's item.
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/app/follow_texts.h"
#include "core/app/foreground_support.h"
#include "core/base/utf16.h"
#include "core/app/program_rules_file.h"
#include "core/device/apply_worker.h"
#include "core/device/protocol/command_table.h"
#include "core/device/hook_codes.h"
#include "core/i18n/languages.h"
#include "ui/frame/main_dialog.h"
#include "ui/frame/programs_dialog.h"
#include "ui/frame/tray_icon.h"
#include "ui/skin/bitmap_edit.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/list_box_ex.h"
#include "main_window_fixture.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

namespace fs = std::filesystem;

const ForegroundProgram kGame{"game.exe", "steam_app_730", 100, "Game"};
const ForegroundProgram kEditor{"kate", "org.kde.kate", 101, "notes"};

// Reports the program in front from a thread of its own, as the desktops' trackers do.
class FakeTracker final : public ForegroundTracker {
public:
    Status Start(Changed changed) override {
        ++starts;
        if (refusal) return Error{ErrorKind::kNotFound, *refusal};
        std::lock_guard lock(mutex_);
        changed_ = std::move(changed);
        return {};
    }
    void Stop() override {
        std::lock_guard lock(mutex_);
        changed_ = nullptr;
    }
    std::vector<ForegroundProgram> ProgramsWithWindows() override { return windows; }
    const char* Name() const override { return "fake"; }

    bool Running() {
        std::lock_guard lock(mutex_);
        return static_cast<bool>(changed_);
    }
    void Report(const ForegroundProgram& program) {
        std::thread([this, program] {
            std::lock_guard lock(mutex_);
            if (changed_) changed_(program);
        }).join();
    }

    int starts = 0;
    std::optional<std::string> refusal;
    std::vector<ForegroundProgram> windows;

private:
    std::mutex mutex_;
    Changed changed_;
};

class FollowProgramsTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        UseLanguage(kLanguageEnglish);
        rules.emplace(Data() / "ProgramRules.ini", writer);
        services->programRules = &*rules;
        services->foregroundTracker = &tracker;
        services->foreground = {ForegroundTrackerKind::kX11, NoForegroundReason::kNone};
        services->logNotice = [this](std::string_view text) { logged.emplace_back(text); };
    }

    // The rules as `oryn7px-cli rules` would write them: through a file object of its own.
    void WriteRules(bool enabled) {
        ProgramRulesFile cli(Data() / "ProgramRules.ini", writer);
        ASSERT_TRUE(cli.Edit([enabled](ProgramRules& r) {
                           r.enabled = enabled;
                           AddProgram(r, 2, "game.exe");
                       }).Ok());
    }
    // Profile 2 differs from profile 1 (as loaded) by its first DPI level only.
    void GiveProfileTwoItsOwnDpi() {
        ProfileData second = state->profile;
        second.nDpiValue[0] = kProfileTwoDpi;
        std::ofstream(store->ProfilePath(1), std::ios::binary).write(reinterpret_cast<const char*>(&second), sizeof second);
    }
    // Up, with a pass completed on the mouse, and another program's window in front.
    void StartInBackground() {
        ASSERT_TRUE(dialog->OnInitDialog());
        GiveProfileTwoItsOwnDpi();
        Press(dialog->ApplyButton());
        ASSERT_TRUE(PassesSettled());
        messages.boxes.clear();
        LeaveTheWindow();
    }
    // Another program's window takes the focus. The offscreen platform has no other programs:
    // the application hears it as the desktop would tell it.
    void LeaveTheWindow() { emit qApp->applicationStateChanged(Qt::ApplicationInactive); }
    void ComeBack() { emit qApp->applicationStateChanged(Qt::ApplicationActive); }
    bool PassesSettled() {
        return QTest::qWaitFor([this] { return shared.deviceState.Read().applyReady; }, 3000);
    }
    // The mouse holds this first DPI level and the pass that wrote it has ended.
    bool MouseHoldsDpi(uint16_t level) {
        return QTest::qWaitFor(
            [this, level] {
                const auto dpi = mouse->State().dpiTable;
                return dpi && (*dpi)[0] == level && shared.deviceState.Read().applyReady;
            },
            3000);
    }
    bool MouseHoldsProfileTwo() { return MouseHoldsDpi(kProfileTwoDpi); }
    bool MouseHoldsProfileOne() { return MouseHoldsDpi(kProfileOneDpi); }
    void Front(const ForegroundProgram& program) {
        tracker.Report(program);
        test::Flush();
    }
    // The commands of the feature reports the mouse received since `from`.
    std::set<uint8_t> CommandsSince(std::size_t from) const {
        std::set<uint8_t> commands;
        const auto log = mouse->State().log;
        for (std::size_t i = from; i < log.size(); ++i)
            if (log[i].kind == VirtualMouseLogEntry::Kind::Feature && log[i].bytes.size() > 1) commands.insert(log[i].bytes[1]);
        return commands;
    }
    // Runs `act` on the dialog that a right click on profile `profile` opens.
    void WithProgramsDialog(int profile, const std::function<void(CDlgPrograms&)>& act) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* programs = qobject_cast<CDlgPrograms*>(QApplication::activeModalWidget());
            ASSERT_NE(programs, nullptr);
            opened = true;
            act(*programs);
        });
        // A right click reaches the button under the mouse first, which leaves it to the window.
        CIrrButton* button = dialog->ProfileButton(profile);
        const QPoint at = button->rect().center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, button->mapToGlobal(at));
        QApplication::sendEvent(button, &click);
        ASSERT_TRUE(opened);
    }

    static constexpr uint16_t kProfileOneDpi = 10;  // the default
    static constexpr uint16_t kProfileTwoDpi = 16;
    std::optional<ProgramRulesFile> rules;
    FakeTracker tracker;
    std::vector<std::string> logged;
};

TEST_F(FollowProgramsTest, TheProgramInFrontSwitchesTheProfileAndTheMouseGetsOnlyWhatDiffers) {
    WriteRules(true);
    int progressShown = 0;
    QObject::connect(&progress, &QDialog::finished, [&] { ++progressShown; });
    StartInBackground();
    progressShown = 0;
    const std::size_t before = mouse->State().log.size();

    Front(kGame);
    ASSERT_TRUE(MouseHoldsProfileTwo());
    EXPECT_EQ(CommandsSince(before), (std::set<uint8_t>{0x11, 0x0B}));  // the DPI table and its follow-up
    EXPECT_EQ(state->currentEntry, 1);
    EXPECT_TRUE(dialog->ProfileButton(2)->IsHighlighted());
    EXPECT_FALSE(dialog->ProfileButton(1)->IsHighlighted());
    EXPECT_EQ(dialog->HintText(), QStringLiteral("Profile 2 (for game.exe)"));
    EXPECT_EQ(progressShown, 0);
    EXPECT_TRUE(messages.boxes.empty());
    // Saved as after the Apply button: the index marks profile 2 active.
    ProfileIndex saved{};
    std::ifstream(store->IndexPath(), std::ios::binary).read(reinterpret_cast<char*>(&saved), sizeof saved);
    EXPECT_EQ(saved[1].bActive, 1);
    EXPECT_EQ(saved[0].bActive, 0);

    // Another program: the default profile again.
    Front(kEditor);
    ASSERT_TRUE(MouseHoldsProfileOne());
    EXPECT_EQ(state->currentEntry, 0);
    EXPECT_EQ(dialog->HintText(), QStringLiteral("Profile 1 (for kate)"));
}
TEST_F(FollowProgramsTest, AFailedSwitchIsToldInTheHintBarAndTheLogNeverInABoxAndTheNextOneWritesEverything) {
    WriteRules(true);
    StartInBackground();
    mouse->RefuseCommand(0x11);
    Front(kGame);
    ASSERT_TRUE(QTest::qWaitFor([this] { return dialog->HintText().contains(QStringLiteral("failed")); }, 3000));
    const std::u16string told = FollowedPassFailedText(u"Profile 2 (for game.exe)", ApplyFailureText(kApplyFailDpi));
    EXPECT_EQ(dialog->HintText(), QString::fromStdU16String(told));
    EXPECT_TRUE(messages.boxes.empty());
    ASSERT_FALSE(logged.empty());
    EXPECT_EQ(logged.back(), Utf16ToUtf8(told));
    EXPECT_TRUE(PassesSettled());

    // After a failed pass nothing is known of the mouse: the next switch writes the whole pass.
    mouse->ClearFaults();
    const std::size_t before = mouse->State().log.size();
    Front(kEditor);
    // The refused DPI table left the mouse at profile 1's: wait for the key matrix instead.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return CommandsSince(before).count(0x12) == 1 && shared.deviceState.Read().applyReady; }, 3000))
        << "no key matrix after a failed pass";
    EXPECT_EQ(state->currentEntry, 0);

    // The Apply button's own failure still says so in a box.
    ComeBack();
    mouse->RefuseCommand(0x11);
    Press(dialog->ApplyButton());
    EXPECT_EQ(messages.boxes.size(), 1u);
}

TEST_F(FollowProgramsTest, NothingSwitchesWhileTheWindowHasTheFocusOrAPageRecordsTheKeyboard) {
    WriteRules(true);
    StartInBackground();
    ComeBack();
    Front(kGame);
    EXPECT_EQ(state->currentEntry, 0);
    emit dialog->Page(3)->KeyboardTaken(true);
    LeaveTheWindow();
    test::Flush();
    EXPECT_EQ(state->currentEntry, 0);
    // Once recording ends, the program in front gets its profile.
    emit dialog->Page(3)->KeyboardTaken(false);
    EXPECT_TRUE(MouseHoldsProfileTwo());
}

TEST_F(FollowProgramsTest, ChangesOfTheRulesFileAreTakenAsTheyLandAlsoWhileFollowingIsOff) {
    StartInBackground();  // no rules file: following is off
    EXPECT_FALSE(tracker.Running());
    EXPECT_FALSE(dialog->Following());
    WriteRules(true);  // as oryn7px-cli rules does, beside the program
    ASSERT_TRUE(QTest::qWaitFor([this] { return tracker.Running(); }, 3000));
    Front(kGame);
    EXPECT_TRUE(MouseHoldsProfileTwo());
    WriteRules(false);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !tracker.Running(); }, 3000));
}

TEST_F(FollowProgramsTest, ARightClickOnAProfileOpensItsProgramsAndOkSavesThem) {
    tracker.windows = {kGame, kEditor, {"oryn7px", "oryn7px", static_cast<uint32_t>(QCoreApplication::applicationPid()), ""}};
    ASSERT_TRUE(dialog->OnInitDialog());
    WithProgramsDialog(3, [](CDlgPrograms& programs) {
        EXPECT_EQ(programs.Title(), QStringLiteral("Programs for profile 3"));
        CListBoxEx& list = *programs.List();
        ASSERT_EQ(list.count(), 2);  // never our own window
        EXPECT_EQ(list.RowText(0), QStringLiteral("game.exe"));
        EXPECT_EQ(list.RowText(1), QStringLiteral("kate"));
        list.SetRowTicked(1, true);
        QTest::mouseClick(programs.FollowBox(), Qt::LeftButton);
        programs.OkButton()->click();
    });
    const RulesReading saved = ProgramRulesFile(Data() / "ProgramRules.ini", writer).Read();
    EXPECT_EQ(saved.rules.programs[2], std::vector<std::string>{"kate"});
    EXPECT_TRUE(saved.rules.enabled);
    EXPECT_TRUE(dialog->Following());
    EXPECT_TRUE(tracker.Running());
}

TEST_F(FollowProgramsTest, ADamagedRulesFileIsToldAndKeptAsideWhenTheDialogSavesOverIt) {
    std::ofstream(Data() / "ProgramRules.ini") << "[ProgramRules]\nVersion=1\nEnabled=yes\n";
    ASSERT_TRUE(dialog->OnInitDialog());
    messages.boxes.clear();  // the fresh data folder's missing files
    const std::filesystem::path file = Data() / "ProgramRules.ini";
    EXPECT_TRUE(dialog->HintText().contains(QStringLiteral("are not used: line 3")));
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_FALSE(dialog->Following());
    QString status;
    WithProgramsDialog(2, [&status](CDlgPrograms& programs) {
        status = programs.Status();
        programs.NameBox()->setText(QStringLiteral("game.exe"));
        programs.AddButton()->click();
        programs.OkButton()->click();
    });
    EXPECT_TRUE(status.contains(QStringLiteral("are not used: line 3"))) << status.toStdString();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0], DamagedRulesKeptText(Data() / "ProgramRules.ini.invalid", false));
    EXPECT_TRUE(fs::exists(Data() / "ProgramRules.ini.invalid"));
    EXPECT_EQ(ProgramRulesFile(file, writer).Read().rules.programs[1], std::vector<std::string>{"game.exe"});
}

TEST_F(FollowProgramsTest, TheMenuKeyOrShiftF10OnAFocusedProfileButtonOpensItsPrograms) {
    ASSERT_TRUE(dialog->OnInitDialog());
    QApplication::setActiveWindow(dialog.get());
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
        dialog->ProfileButton(4)->setFocus(Qt::TabFocusReason);
        QStringList titles;
        const auto cancel = [&titles] {
            auto* programs = qobject_cast<CDlgPrograms*>(QApplication::activeModalWidget());
            ASSERT_NE(programs, nullptr);
            titles << programs->Title();
            programs->CancelButton()->click();
        };
        QTimer::singleShot(0, cancel);
        QTest::keyClick(dialog->ProfileButton(4), key, modifiers);
        // The context-menu event some platforms send after the key opens nothing more.
        QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, {10, 10});
        QApplication::sendEvent(dialog->ProfileButton(4), &fromKeyboard);
        EXPECT_EQ(titles, QStringList{QStringLiteral("Programs for profile 4")}) << key;
    }
}

TEST_F(FollowProgramsTest, WithoutATrackerTheDialogSaysWhyNothingFollows) {
    services->foregroundTracker = nullptr;
    services->foreground = {ForegroundTrackerKind::kNone, NoForegroundReason::kGnomeWayland};
    WriteRules(true);
    ASSERT_TRUE(dialog->OnInitDialog());
    QString status;
    int rows = -1;
    WithProgramsDialog(2, [&](CDlgPrograms& programs) {
        status = programs.Status();
        rows = programs.List()->count();
        programs.CancelButton()->click();
    });
    EXPECT_EQ(status, QStringLiteral("Profiles that follow the program: not on GNOME (needs a Shell extension)"));
    EXPECT_EQ(rows, 1);  // the saved list only
}

TEST_F(FollowProgramsTest, ATrackerThatCannotStartIsToldInTheHintBarTheLogAndTheDialog) {
    tracker.refusal = "the window manager does not say which window is active (no _NET_ACTIVE_WINDOW)";
    WriteRules(true);
    ASSERT_TRUE(dialog->OnInitDialog());
    const std::u16string told = FollowingFailedText(*tracker.refusal, false);
    EXPECT_EQ(dialog->HintText(), QString::fromStdU16String(told));
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0], Utf16ToUtf8(told));
    QString status;
    WithProgramsDialog(1, [&status](CDlgPrograms& programs) {
        status = programs.Status();
        programs.CancelButton()->click();
    });
    EXPECT_TRUE(status.endsWith(QString::fromStdU16String(told))) << status.toStdString();
}

// The tray menu as its right click shows it: text and tick of "Follow programs", when there is one.
std::optional<std::pair<QString, bool>> FollowItemOfTheTrayMenu(QWidget* mainWindow) {
    std::optional<std::pair<QString, bool>> shown;
    QTimer::singleShot(0, [&shown] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->data().toUInt() == kTrayCommandFollow) shown = {action->text(), action->isChecked()};
        menu->close();
    });
    SendMessageTo(mainWindow, {UM_TRAY_NOTIFY, 0, WM_RBUTTONUP});
    return shown;
}

TEST_F(FollowProgramsTest, TheTrayItemTurnsFollowingOnAndOffInTheFileTheCommandLineReads) {
    ASSERT_TRUE(dialog->OnInitDialog());
    EXPECT_EQ(FollowItemOfTheTrayMenu(dialog.get()), std::make_pair(QStringLiteral("Follow programs"), false));
    Send(WM_COMMAND, kTrayCommandFollow, 0);
    EXPECT_TRUE(ProgramRulesFile(Data() / "ProgramRules.ini", writer).Read().rules.enabled);
    EXPECT_TRUE(tracker.Running());
    EXPECT_EQ(FollowItemOfTheTrayMenu(dialog.get()), std::make_pair(QStringLiteral("Follow programs"), true));
    Send(WM_COMMAND, kTrayCommandFollow, 0);
    EXPECT_FALSE(ProgramRulesFile(Data() / "ProgramRules.ini", writer).Read().rules.enabled);
    EXPECT_FALSE(tracker.Running());
    // In the UI language; and no item where the desktop tells no program in front.
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, kLanguageSimplifiedChinese);
    EXPECT_EQ(FollowItemOfTheTrayMenu(dialog.get()), std::make_pair(QStringLiteral("随程序切换配置"), false));
    services->foregroundTracker = nullptr;
    EXPECT_EQ(FollowItemOfTheTrayMenu(dialog.get()), std::nullopt);
}

TEST_F(FollowProgramsTest, TheCloseSequenceStopsTheTracker) {
    WriteRules(true);
    ASSERT_TRUE(dialog->OnInitDialog());
    ASSERT_TRUE(tracker.Running());
    Send(WM_CLOSE, 0, 0);
    EXPECT_FALSE(tracker.Running());
    Front(kGame);  // too late: nothing happens
    EXPECT_EQ(state->currentEntry, 0);
}

}  // namespace
}  // namespace oryn7px
