// The main window on desktops that differ: no tray, started with the session, what does not work
// said once; the support page's desktop-input line; keys typed into the program's own windows.
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "core/app/app_texts.h"
#include "core/app/desktop_input.h"
#include "core/base/messages.h"
#include "core/interfaces/autostart.h"
#include "fakes/recording_pointer_settings.h"
#include "ui/frame/main_dialog.h"
#include "ui/frame/tray_icon.h"
#include "ui/pages/support_page_dlg.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/message_event.h"
#include "main_window_fixture.h"
#include "ui_test_support.h"
#include "window_key_feed.h"

namespace oryn7px {
namespace {

using test::MainWindowTest;

class FakeAutostart final : public Autostart {
public:
    bool IsEnabled() const override { return enabled; }
    bool SetEnabled(bool on) override {
        if (refuse) return false;
        enabled = on;
        return true;
    }
    bool enabled = false;
    bool refuse = false;
};

TEST_F(MainWindowTest, WithoutATrayClosingMinimisesUntilATrayAppears) {
    trayAvailable = false;
    ASSERT_TRUE(dialog->OnInitDialog());
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isMinimized());
    EXPECT_FALSE(ended);
    Send(UM_TRAY_NOTIFY, 0, WM_LBUTTONDBLCLK);
    trayAvailable = true;
    Press(dialog->HideButton());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(ended);
}

class HiddenStartTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(HiddenStartTest, GoesToTheTrayOrWithoutOneToTheTaskbar) {
    const bool tray = GetParam();
    services->startHidden = true;
    trayAvailable = tray;
    ASSERT_TRUE(dialog->OnInitDialog());
    test::Flush();
    EXPECT_EQ(dialog->isVisible(), !tray);
    if (!tray) EXPECT_TRUE(dialog->isMinimized());
    // The start-up still opened the mouse, and wrote nothing new to it.
    EXPECT_TRUE(driver->IsOpen());
    EXPECT_FALSE(mouse->State().keyMatrix.has_value());
}

INSTANTIATE_TEST_SUITE_P(Tray, HiddenStartTest, ::testing::Bool());

TEST_F(MainWindowTest, StartWithTheDesktopTogglesTheEntryAndSaysWhenItCannot) {
    FakeAutostart autostart;
    services->autostart = &autostart;
    UseLanguage(kLanguageEnglish);
    ASSERT_TRUE(dialog->OnInitDialog());
    Send(WM_COMMAND, kTrayCommandAutostart, 0);
    EXPECT_TRUE(autostart.enabled);
    Send(WM_COMMAND, kTrayCommandAutostart, 0);
    EXPECT_FALSE(autostart.enabled);
    autostart.refuse = true;
    Send(WM_COMMAND, kTrayCommandAutostart, 0);
    EXPECT_FALSE(autostart.enabled);
    ASSERT_FALSE(messages.boxes.empty());
    EXPECT_EQ(messages.boxes.back(), AutostartFailedText(false));
}

TEST_F(MainWindowTest, TheTrayMenuShowsTheAutostartEntryChecked) {
    FakeAutostart autostart;
    autostart.enabled = true;
    ASSERT_TRUE(dialog->OnInitDialog());
    std::optional<std::pair<QString, bool>> shown;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->data().toUInt() == kTrayCommandAutostart) shown = {action->text(), action->isChecked()};
        }
        menu->close();
    });
    TrayIcon::RunMenu(dialog.get(), &autostart, std::nullopt);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->first, QStringLiteral("Start with the desktop"));
    EXPECT_TRUE(shown->second);
}

struct NoticeCase {
    DesktopInput input;
    bool pointerApplied;
    bool said;
};

class DesktopNoticeTest : public MainWindowTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(DesktopNoticeTest, TheHintBarSaysWhatDoesNotWorkOnThisDesktop) {
    const NoticeCase& c = GetParam();
    testing::RecordingPointerSettings recording;
    recording.support = c.pointerApplied ? PointerSupport{true, true, false} : PointerSupport{};
    dialog.reset();
    // The same world with other pointer settings (held by reference, so a new set of services).
    services = std::make_unique<AppServices>(AppServices{
        services->state, services->store, services->library, services->messages, services->strings,
        services->driver, services->clock, services->bootloader, services->presence, services->shared, recording,
        services->hooks, services->hostActions, services->log, services->progress, services->programFolder,
        services->startProgram, services->keyboardLayout, services->statistics, services->cursor});
    services->desktopInput = c.input;
    services->announceDesktop = true;
    services->trayAvailable = [] { return true; };
    dialog = std::make_unique<CQ580ZDriverDlg>(*services);
    ASSERT_TRUE(dialog->OnInitDialog());
    test::Flush();
    // In the UI language the start-up chose.
    const QString expected = QString::fromStdU16String(
        DesktopNoticeText(c.input, c.pointerApplied, services->state.bChinese == 1));
    EXPECT_EQ(expected.isEmpty(), !c.said);
    EXPECT_EQ(dialog->HintText(), expected);
    // It stays while the pointer crosses free spots, until another hint takes its place.
    QTest::mouseMove(dialog.get(), QPoint(450, 20));
    EXPECT_EQ(dialog->HintText(), expected);
    dialog.reset();
}

INSTANTIATE_TEST_SUITE_P(
    Situations, DesktopNoticeTest,
    ::testing::Values(
        NoticeCase{{InputMode::kX11, InputProblem::kNone, {}, false}, true, false},
        NoticeCase{{InputMode::kNone, InputProblem::kMouseNodesDenied, "/dev/input/event7", false}, true, true},
        NoticeCase{{InputMode::kEvdevObserve, InputProblem::kUinputUnavailable, "No such device", false}, true, true},
        NoticeCase{{InputMode::kEvdev, InputProblem::kNone, {}, false}, false, true}));

TEST_F(MainWindowTest, TheSupportPageSaysHowDesktopInputIsServedInTheUiLanguage) {
    int32_t chinese = 0;
    PageContext context = PageContextFor(nullptr, chinese);
    context.desktopInput = {InputMode::kEvdevObserve, InputProblem::kUinputUnavailable, "Permission denied", false};
    CDlgSupport page(context);
    EXPECT_EQ(page.DesktopInputText(),
              QStringLiteral("Desktop input: this mouse, without keeping host-action buttons from other programs"));
    EXPECT_TRUE(page.DesktopAdviceText().startsWith(QStringLiteral("/dev/uinput cannot be opened (Permission denied)")));
    chinese = 1;
    page.Relabel();
    EXPECT_TRUE(page.DesktopInputText().startsWith(QStringLiteral("桌面输入：本鼠标")));
    EXPECT_TRUE(page.DesktopAdviceText().contains(QStringLiteral("Permission denied")));
}

class RecordingKeys final : public InputHookSink {
public:
    bool KeyboardProc(uint32_t virtualKey, uint32_t flags) override {
        keys.emplace_back(virtualKey, flags);
        return false;
    }
    bool MouseProc(uint32_t, uint32_t) override { return false; }
    std::vector<std::pair<uint32_t, uint32_t>> keys;
};

TEST(WindowKeyFeed, KeysTypedIntoTheWindowReachTheHooksOnceWithTheirVirtualKey) {
    RecordingKeys sink;
    WindowKeyFeed feed(sink);
    QWidget window;
    auto* field = new QWidget(&window);
    field->setFocusPolicy(Qt::StrongFocus);
    window.show();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto send = [&](QEvent::Type type, quint32 scanCode, Qt::KeyboardModifiers modifiers, bool repeat) {
        QKeyEvent event(type, Qt::Key_unknown, modifiers, scanCode, 0, 0, QString(), repeat);
        QCoreApplication::sendEvent(window.windowHandle(), &event);
    };
    // X key codes: 38 is A, 64 left Alt, 118 Insert (an extended key), 255 nothing known.
    send(QEvent::KeyPress, 38, {}, false);
    send(QEvent::KeyRelease, 38, {}, true);  // auto-repeat: the hooks see presses only
    send(QEvent::KeyPress, 38, {}, true);
    send(QEvent::KeyRelease, 38, {}, false);
    send(QEvent::KeyPress, 64, Qt::AltModifier, false);
    send(QEvent::KeyPress, 118, Qt::AltModifier, false);
    send(QEvent::KeyPress, 255, {}, false);
    const std::vector<std::pair<uint32_t, uint32_t>> expected{
        {0x41, 0x00}, {0x41, 0x00}, {0x41, 0x80}, {0xA4, 0x20}, {0x2D, 0x21}};
    EXPECT_EQ(sink.keys, expected);
}

}  // namespace
}  // namespace oryn7px
