// The main window offscreen, with the in-process virtual mouse on virtual time.
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <QTimer>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <fstream>
#include <future>

#include "core/base/messages.h"
#include "core/interfaces/pointer_settings.h"
#include "platform/emulator/hid_bootloader_probe.h"
#include "platform/emulator/virtual_mouse.h"
#include "platform/emulator/virtual_mouse_presence.h"
#include "platform/linux/iconv_code_page_converter.h"
#include "platform/linux/linux_file_writer.h"
#include "platform/linux/linux_paths.h"
#include "ui/frame/main_dialog.h"
#include "ui/frame/progress_dialog.h"
#include "ui/pages/lighting_page_dlg.h"
#include "ui/pages/main_page_dlg.h"
#include "ui/pages/support_page_dlg.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/skin_resources.h"
#include "main_window_fixture.h"
#include "ui_test_support.h"

namespace oryn7px {
namespace {

namespace fs = std::filesystem;
using test::MainWindowTest;

TEST_F(MainWindowTest, StartUpOpensTheMouseAndShowsTheWindow) {
    ASSERT_TRUE(dialog->OnInitDialog());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Tavik ORYN7PX Gaming Mouse Driver"));
    EXPECT_EQ(dialog->size(), QSize(957, 636));
    EXPECT_TRUE(driver->IsOpen());
    // Read on the worker's thread, never on the window's.
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return qobject_cast<CDlgSupport*>(dialog->Page(5))->FirmwareVersionText() == QStringLiteral("V 1.0.3"); },
        3000));
    // Two looks for the bootloader, then the first open succeeds.
    const std::vector<uint32_t> pauses = clock.Pauses();
    ASSERT_GE(pauses.size(), 2u);
    EXPECT_EQ(std::vector<uint32_t>(pauses.begin(), pauses.begin() + 2), (std::vector<uint32_t>{500, 500}));
    EXPECT_TRUE(fs::exists(Data() / "Profile" / "Profile1.cfg"));
    // Language.cfg is missing: the posted switch chooses 1 and writes it.
    test::Flush();
    EXPECT_EQ(state->bChinese, 1);
    EXPECT_EQ(store->ReadLanguageNumber(0), 1);
}

TEST_F(MainWindowTest, PagesTwoToFourSwitchTheProfileAndApplyButtons) {
    ASSERT_TRUE(dialog->OnInitDialog());
    struct Case {
        int page;
        bool applicable;
    };
    for (const Case c : {Case{4, false}, Case{2, true}, Case{5, false}, Case{3, true}, Case{1, true}}) {
        Press(dialog->Tab(c.page));
        EXPECT_EQ(dialog->SelectedPage(), c.page);
        EXPECT_TRUE(dialog->Page(c.page)->isVisible());
        EXPECT_TRUE(dialog->Tab(c.page)->IsHighlighted());
        for (int other = 1; other <= kPageCount; ++other) {
            if (other != c.page) EXPECT_FALSE(dialog->Page(other)->isVisible()) << c.page << " " << other;
        }
        EXPECT_EQ(dialog->ApplyButton()->isEnabled(), c.applicable) << c.page;
        for (int profile = 1; profile <= 5; ++profile)
            EXPECT_EQ(dialog->ProfileButton(profile)->isEnabled(), c.applicable) << c.page;
    }
}

TEST_F(MainWindowTest, HintsByIdAndByHover) {
    ASSERT_TRUE(dialog->OnInitDialog());
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, 2);
    ASSERT_FALSE(Text("str_ok").isEmpty());
    Send(UM_SHOW_HINT, 0, 11);
    EXPECT_EQ(dialog->HintText(), Text("str_ok"));
    Send(UM_SHOW_HINT, 0, 8);
    EXPECT_EQ(dialog->HintText(), Text("str_profile3"));
    Send(UM_SHOW_HINT, 0, 99);
    EXPECT_EQ(dialog->HintText(), QString());

    // A Chinese default name shows, and is kept, in English.
    const std::u16string click = u"单击";
    std::fill(std::begin(state->profile.Buttons[0].szName), std::end(state->profile.Buttons[0].szName), u'\0');
    click.copy(state->profile.Buttons[0].szName, kPathChars - 1);
    Send(UM_SHOW_HINT, 0, 19);
    EXPECT_EQ(dialog->HintText(), QStringLiteral("Click"));
    EXPECT_EQ(std::u16string(state->profile.Buttons[0].szName), u"Click");

    // Over the apply button's box but outside its outline the window itself sees the mouse.
    const QPoint nearApply(810, 594);
    QMouseEvent move(QEvent::MouseMove, nearApply, dialog->mapToGlobal(nearApply), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(dialog.get(), &move);
    test::Flush();
    EXPECT_EQ(dialog->HintText(), Text("str_ok"));
}

TEST_F(MainWindowTest, LanguageSwitchLoadsTheFileAndSavesTheNumber) {
    ASSERT_TRUE(dialog->OnInitDialog());
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, 2);
    EXPECT_EQ(state->bChinese, 0);
    EXPECT_EQ(store->ReadLanguageNumber(0), 2);
    EXPECT_EQ(dialog->Tab(1)->toolTip(), Text("str_main"));
    const QString english = Text("str_main");

    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, 1);
    EXPECT_EQ(state->bChinese, 1);
    EXPECT_NE(Text("str_main"), english);
    EXPECT_EQ(dialog->Tab(1)->toolTip(), Text("str_main"));

    // 13 loads nothing, keeps the texts, and is written back.
    const QString chinese = Text("str_main");
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, 13);
    EXPECT_EQ(state->bChinese, 0);
    EXPECT_EQ(Text("str_main"), chinese);
    EXPECT_EQ(store->ReadLanguageNumber(0), 13);

    // Without the popup open only start-up's message counts; 0 is ignored.
    Send(UM_SET_LANGUAGE, 0, 2);
    EXPECT_EQ(store->ReadLanguageNumber(0), 13);
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, 0);
    EXPECT_EQ(store->ReadLanguageNumber(0), 13);
}

TEST_F(MainWindowTest, LanguagePopupChoiceSwitchesAndCloses) {
    ASSERT_TRUE(dialog->OnInitDialog());
    Press(dialog->LanguageButton());
    ASSERT_NE(dialog->LanguagePopup(), nullptr);
    Send(UM_SET_LANGUAGE, 0, 2);
    EXPECT_EQ(store->ReadLanguageNumber(0), 2);
    EXPECT_EQ(dialog->LanguagePopup(), nullptr);
}

class MainWindowWithoutLanguagesTest : public MainWindowTest {
protected:
    void SetUp() override { Build(false); }
};

TEST_F(MainWindowWithoutLanguagesTest, AMissingLanguageFileLeavesEmptyTextsAndRuns) {
    ASSERT_TRUE(dialog->OnInitDialog());
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, 3);
    EXPECT_EQ(store->ReadLanguageNumber(0), 3);
    EXPECT_EQ(Text("str_main"), QString());
    EXPECT_EQ(dialog->Tab(1)->toolTip(), QString());
    EXPECT_EQ(dialog->ApplyButton()->toolTip(), QStringLiteral("Alt+G"));
}

TEST_F(MainWindowTest, ApplyWritesTheMouseThenSavesProfileAndIndex) {
    ASSERT_TRUE(dialog->OnInitDialog());
    messages.boxes.clear();  // a fresh data folder has no Macro.cfg yet
    fs::remove(Data() / "Profile" / "Profile1.cfg");
    Press(dialog->ApplyButton());
    EXPECT_TRUE(mouse->State().keyMatrix.has_value());
    EXPECT_TRUE(fs::exists(Data() / "Profile" / "Profile1.cfg"));
    EXPECT_TRUE(fs::exists(Data() / "Profile" / "ConfigInfo.cfg"));
    EXPECT_TRUE(shared.deviceState.Read().applyReady);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(MainWindowTest, RestoreDefaultsWritesTheDefaultProfileAndSavesIt) {
    ASSERT_TRUE(dialog->OnInitDialog());
    state->profile.nDpiValue[0] = 99;
    state->profile.Buttons[3].nFunction = kFunctionMacro;
    state->ButtonMacroId[3] = 0x16000001;
    Send(UM_RESTORE_DEFAULTS, 0, 0);
    EXPECT_EQ(state->profile.nDpiValue[0], 10);
    EXPECT_EQ(state->ButtonMacroId[3], 0u);
    ASSERT_TRUE(mouse->State().keyMatrix.has_value());
    EXPECT_EQ((*mouse->State().keyMatrix)[5], 0x00F40001u);  // forward is forward again
    std::ifstream saved(Data() / "Profile" / "Profile1.cfg", std::ios::binary);
    ProfileData onDisk{};
    saved.read(reinterpret_cast<char*>(&onDisk), sizeof onDisk);
    EXPECT_EQ(onDisk.nDpiValue[0], 10);
}

TEST_F(MainWindowTest, AFailedPassShowsItsMessageAndSavesNothing) {
    ASSERT_TRUE(dialog->OnInitDialog());
    messages.boxes.clear();  // a fresh data folder has no Macro.cfg yet
    fs::remove(Data() / "Profile" / "Profile1.cfg");
    state->profile.nLightMode = 1;
    mouse->RefuseCommand(0x0C);
    Press(dialog->ApplyButton());
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0], u"Write mouse LED color failed.\n");
    EXPECT_FALSE(fs::exists(Data() / "Profile" / "Profile1.cfg"));
    EXPECT_TRUE(shared.deviceState.Read().applyReady);
}

TEST_F(MainWindowTest, UnplugWhileIdleEndsTheProgramAfterTheBox) {
    ASSERT_TRUE(dialog->OnInitDialog());
    mouse->Unplug();
    ASSERT_TRUE(WaitUntilEnded());
    EXPECT_EQ(messages.countDowns, (std::vector<std::u16string>{u"没有找到ORYN7PX游戏鼠标."}));
    EXPECT_FALSE(driver->IsOpen());
    EXPECT_EQ(dialog->Page(1), nullptr);
}

TEST_F(MainWindowTest, ReplugAfterAnInterruptedWriteRepairsTheApplyFlag) {
    ASSERT_TRUE(dialog->OnInitDialog());
    shared.deviceState.BeginWrite();
    mouse->Unplug();
    test::Flush();
    EXPECT_TRUE(messages.countDowns.empty());
    EXPECT_FALSE(ended);
    mouse->Plug();
    test::Flush();
    EXPECT_TRUE(shared.deviceState.Read().applyReady);
    EXPECT_TRUE(driver->IsOpen());
    // Back during a firmware hand-over: the mouse's return is announced.
    shared.deviceState.EndWrite();
    ASSERT_TRUE(shared.deviceState.BeginFirmwareCheck());
    Send(WM_DEVICECHANGE, static_cast<uintptr_t>(DeviceChange::Arrival), 1);
    EXPECT_EQ(messages.countDowns, (std::vector<std::u16string>{u"发现ORYN7PX游戏鼠标."}));
    // Another device's notice changes nothing.
    Send(WM_DEVICECHANGE, static_cast<uintptr_t>(DeviceChange::Removal), 0);
    EXPECT_TRUE(driver->IsOpen());
}

TEST_F(MainWindowTest, TrayDoubleClickAndConfigRefreshAndShow) {
    ASSERT_TRUE(dialog->OnInitDialog());
    dialog->hide();
    int refreshed = 0;
    QObject::connect(dialog->Page(1), &CPageDlg::Refreshed, [&] { ++refreshed; });
    QObject::connect(dialog->Page(2), &CPageDlg::Refreshed, [&] { ++refreshed; });
    Send(UM_TRAY_NOTIFY, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(refreshed, 2);
    dialog->hide();
    Send(UM_TRAY_NOTIFY, 0, 0x200);
    EXPECT_FALSE(dialog->isVisible());
    Send(WM_COMMAND, 0x6000, 0);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(refreshed, 4);
}

TEST_F(MainWindowTest, KeysBeforeTheControls) {
    ASSERT_TRUE(dialog->OnInitDialog());
    QTest::keyClick(dialog->Page(1), Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(ended);
    dialog->show();
    // Alt+G applies like the button.
    QTest::keyClick(dialog.get(), Qt::Key_G, Qt::AltModifier);
    test::Flush();
    EXPECT_TRUE(mouse->State().keyMatrix.has_value());
}

TEST_F(MainWindowTest, ExitFromTheTrayMenuRunsTheCloseSequence) {
    ASSERT_TRUE(dialog->OnInitDialog());
    Send(WM_COMMAND, 0x6001, 0);
    ASSERT_TRUE(WaitUntilEnded());
    EXPECT_TRUE(fs::exists(Data() / "Macro.cfg"));
    EXPECT_FALSE(driver->IsOpen());
    EXPECT_EQ(shared.bWorkerRun, 0);
}

TEST_F(MainWindowTest, AClosePostedWhileThePopupIsOpenEndsOnceThePopupHasReturned) {
    ASSERT_TRUE(dialog->OnInitDialog());
    // As the program's own: the close answers the dialogs open at its start.
    services->beginUnattended = [] {
        QMetaObject::invokeMethod(
            qApp, [] { if (QWidget* open = QApplication::activeModalWidget()) open->close(); }, Qt::QueuedConnection);
    };
    auto* page = dynamic_cast<CDlgMainSet*>(dialog->Page(1));
    ASSERT_NE(page, nullptr);
    // The session's end or SIGTERM arrives while the popup's loop runs inside the page.
    QTimer::singleShot(50, dialog.get(), [this] { PostMessageTo(dialog.get(), {WM_CLOSE, 0, 0}); });
    page->AssignButton(0);
    EXPECT_TRUE(WaitUntilEnded());
    EXPECT_FALSE(dialog->IsPageBuilt(1));
}

TEST_F(MainWindowTest, ExitWhileNoPassWillCloseTheProgressWindowStillEnds) {
    ASSERT_TRUE(dialog->OnInitDialog());
    shared.bWorkerRun = 0;  // the worker leaves at its next wake-up without running a pass
    QTimer::singleShot(50, dialog.get(), [this] { Send(WM_COMMAND, 0x6001, 0); });
    Press(dialog->ApplyButton());  // returns once the progress window has ended
    EXPECT_TRUE(WaitUntilEnded());
    EXPECT_FALSE(progress.isVisible());
}

// Start-up's version read (two reports, on the worker's thread) is over.
bool VersionRead(const VirtualMouse& mouse) {
    return QTest::qWaitFor([&mouse] { return mouse.State().log.size() >= 2; }, 3000);
}

TEST_F(MainWindowTest, PagesTheWindowCanShowWithoutAreBuiltOnceItIsUp) {
    ASSERT_TRUE(dialog->OnInitDialog());
    // The first page, the macro page that saves at close and the statistics page that counts
    // from start-up exist at once.
    for (int page = 1; page <= kPageCount; ++page)
        EXPECT_EQ(dialog->IsPageBuilt(page), page != 2 && page != 5) << page;
    test::Flush();
    for (int page = 1; page <= kPageCount; ++page) EXPECT_TRUE(dialog->IsPageBuilt(page)) << page;
}

TEST_F(MainWindowTest, APageBuiltLateShowsTheStateOfThatMoment) {
    ASSERT_TRUE(dialog->OnInitDialog());
    Send(UM_SET_LANGUAGE, kLanguageAtStartUp, 2);
    Send(UM_FIRMWARE_VERSION, 104, 0);
    ASSERT_FALSE(dialog->IsPageBuilt(5));
    auto* support = qobject_cast<CDlgSupport*>(dialog->Page(5));
    ASSERT_NE(support, nullptr);
    EXPECT_EQ(support->FirmwareVersionText(), QStringLiteral("V 1.0.4"));
    // English since the switch, not the Chinese of start-up.
    EXPECT_EQ(support->ExportButton()->Caption().text, QStringLiteral("Export"));
    EXPECT_FALSE(support->isVisible());
    Press(dialog->Tab(5));
    EXPECT_TRUE(support->isVisible());
}

TEST_F(MainWindowTest, ClosingSavesTheMacroTableInMemory) {
    ASSERT_TRUE(dialog->OnInitDialog());
    state->MacroTable[0].dwMacroId = 4242;
    Send(WM_COMMAND, 0x6001, 0);
    ASSERT_TRUE(WaitUntilEnded());
    std::ifstream saved(Data() / "Macro.cfg", std::ios::binary);
    MacroEntry first{};
    ASSERT_TRUE(saved.read(reinterpret_cast<char*>(&first), sizeof first));
    EXPECT_EQ(first.dwMacroId, 4242u);
}

TEST_F(MainWindowTest, AMouseLostInAPassComesBackAndTheNextPassSucceeds) {
    ASSERT_TRUE(dialog->OnInitDialog());
    ASSERT_TRUE(VersionRead(*mouse));
    test::Flush();
    messages.boxes.clear();  // a fresh data folder has no Macro.cfg yet
    fs::remove(Data() / "Profile" / "Profile1.cfg");
    mouse->UnplugAfterReports(1);  // the key matrix's announcement, then the mouse is gone
    Press(dialog->ApplyButton());
    test::Flush();
    EXPECT_EQ(messages.boxes, (std::vector<std::u16string>{u"write mousekey metix fail.\n"}));
    EXPECT_FALSE(fs::exists(Data() / "Profile" / "Profile1.cfg"));
    // The removal belongs to the failed write: the program stays.
    EXPECT_TRUE(messages.countDowns.empty());
    EXPECT_FALSE(ended);

    mouse->Plug();
    test::Flush();
    ASSERT_TRUE(driver->IsOpen());
    Press(dialog->ApplyButton());
    EXPECT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(fs::exists(Data() / "Profile" / "Profile1.cfg"));
    EXPECT_TRUE(mouse->State().keyMatrix.has_value());
}

// The driver used to hold its lock for a whole command, and the close sequence closes the link:
// Exit from the tray during a macro upload froze the window until the upload ended.
TEST_F(MainWindowTest, ExitDuringAPassEndsWithoutWaitingForTheMouse) {
    ASSERT_TRUE(dialog->OnInitDialog());
    ASSERT_TRUE(VersionRead(*mouse));
    test::Flush();
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> held{false};
    std::atomic<bool> heldTooLong{false};
    std::atomic<bool> leftListener{false};
    // The mouse leaves inside the key matrix, and the worker is held there, inside the command.
    mouse->SetPresenceListener([&](bool plugged) {
        if (plugged || held.exchange(true)) return;
        heldTooLong = released.wait_for(std::chrono::seconds(10)) == std::future_status::timeout;
        leftListener = true;
    });
    mouse->UnplugAfterReports(2);
    QTimer exit;
    QObject::connect(&exit, &QTimer::timeout, dialog.get(), [&] {
        if (!held) return;
        exit.stop();
        Send(WM_COMMAND, 0x6001, 0);
    });
    exit.start(5);
    Press(dialog->ApplyButton());  // returns once the close sequence has ended the progress window
    EXPECT_TRUE(WaitUntilEnded());
    EXPECT_TRUE(held);
    EXPECT_FALSE(heldTooLong);  // the window ended while the worker was still inside the command
    EXPECT_FALSE(driver->IsOpen());
    release.set_value();
    // The worker still reads this test's locals until it leaves the listener.
    EXPECT_TRUE(QTest::qWaitFor([&] { return leftListener.load(); }, 15000));
}

size_t FileCount(const fs::path& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::recursive_directory_iterator(folder)) ++count;
    return count;
}

// Sets the flag when the watched window is shown, for a thread that may not touch the widget.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(std::atomic<bool>& shown) : shown_(shown) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) shown_ = true;
        return false;
    }

private:
    std::atomic<bool>& shown_;
};

TEST_F(MainWindowTest, NothingCanBeSeenBeforeTheBootloaderCheckHasSaidNo) {
    std::atomic<bool> shown{false};
    ShowWatcher watcher(shown);
    dialog->installEventFilter(&watcher);
    struct Look {
        bool windowShown;
        size_t reports;
        size_t files;
    };
    std::vector<Look> looks;  // filled on the check's thread, read once OnInitDialog has joined it
    probe->onLook = [&] {
        // The last look gives the UI thread a second to show something it should not.
        for (int wait = 0; !looks.empty() && !shown && wait < 100; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        looks.push_back({shown.load(), mouse->State().log.size(), FileCount(Data())});
    };
    ASSERT_TRUE(dialog->OnInitDialog());
    ASSERT_EQ(looks.size(), 2u);
    for (const Look& look : looks) {
        EXPECT_FALSE(look.windowShown);
        EXPECT_EQ(look.reports, 0u);
        EXPECT_EQ(look.files, 0u);
    }
    EXPECT_TRUE(shown);
    // The firmware version is read on the worker's thread, soon after.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !mouse->State().log.empty(); }, 3000));
    EXPECT_GT(FileCount(Data()), 0u);
}

class BootloaderTest : public MainWindowTest {
protected:
    void SetUp() override { Build(true, VirtualMouseConfig{.bootloader = true}); }

    void ExpectHandOverWith(const char* argument) {
        EXPECT_FALSE(dialog->OnInitDialog());
        ASSERT_EQ(started.size(), 1u);
        EXPECT_EQ(started[0], QString::fromStdString((Program() / "FWUpdate" / "RoruziVI").string()) + argument);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(WaitUntilEnded());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(mouse->State().log.empty());
        EXPECT_EQ(FileCount(Data()), 1u);  // only the Language.cfg the test put there
    }
};

TEST_F(BootloaderTest, HandsOverToTheFlashingToolAndCloses) {
    UseLanguage(kLanguageEnglish);
    ExpectHandOverWith(" 0");
}

TEST_F(BootloaderTest, WithoutTheInstallersFileAChineseUserGivesTheToolOne) {
    UseLanguage(kLanguageSimplifiedChinese);
    ExpectHandOverWith(" 1");
}

TEST_F(MainWindowTest, WithoutTheInstallersFileAChineseUserStartsInChinese) {
    UseLanguage(kLanguageSimplifiedChinese);
    mouse->Unplug();
    EXPECT_FALSE(dialog->OnInitDialog());
    EXPECT_EQ(state->bChinese, 1);
    EXPECT_EQ(messages.countDowns, (std::vector<std::u16string>{u"没有找到ORYN7PX游戏鼠标."}));
}

TEST_F(MainWindowTest, NoMouseShowsTheCountDownAndEnds) {
    UseLanguage(kLanguageEnglish);
    mouse->Unplug();
    EXPECT_FALSE(dialog->OnInitDialog());
    EXPECT_EQ(messages.countDowns, (std::vector<std::u16string>{u"The ORYN7PX gaming mouse cannot be found."}));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(WaitUntilEnded());
    EXPECT_FALSE(fs::exists(Data() / "Profile" / "ConfigInfo.cfg"));
}

TEST_F(MainWindowTest, NoFieldTakesTheFocusWhenTheWindowComesUp) {
    ASSERT_TRUE(dialog->OnInitDialog());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    const auto* mainPage = qobject_cast<CDlgMainSet*>(dialog->Page(1));
    ASSERT_NE(mainPage, nullptr);
    // The wheel-lines box would show its caret as if the user had clicked into it.
    EXPECT_FALSE(mainPage->LinesBox()->hasFocus());
    QTest::mouseClick(mainPage->LinesBox(), Qt::LeftButton);
    EXPECT_TRUE(mainPage->LinesBox()->hasFocus());
}

}  // namespace
}  // namespace oryn7px
