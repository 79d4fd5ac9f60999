#pragma once
// The world of the main window and its pages, built once for every GUI test that needs it: a
// program folder with the generated skins (and, unless left out, the language files), a data
// folder, the in-process virtual mouse on a virtual clock, and the main window over them.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "core/base/messages.h"
#include "core/i18n/languages.h"
#include "core/i18n/us_keyboard_layout.h"
#include "core/interfaces/pointer_settings.h"
#include "core/interfaces/user_messages.h"
#include "platform/emulator/hid_bootloader_probe.h"
#include "platform/emulator/virtual_mouse.h"
#include "platform/emulator/virtual_mouse_presence.h"
#include "platform/linux/iconv_code_page_converter.h"
#include "platform/linux/linux_file_writer.h"
#include "platform/linux/linux_paths.h"
#include "ui/frame/main_dialog.h"
#include "ui/frame/progress_dialog.h"
#include "ui/skin/skin_resources.h"
#include "ui_test_support.h"

namespace oryn7px::test {

namespace fs = std::filesystem;

class RecordingMessages final : public UserMessages {
public:
    int ShowInfoBox(std::u16string_view text, bool) override {
        boxes.emplace_back(text);
        return answer;
    }
    int ShowCountDownBox(std::u16string_view text) override {
        countDowns.emplace_back(text);
        return kBoxCancel;
    }
    void ShowInfoCaptionBox(std::u16string_view text) override { boxes.emplace_back(text); }
    std::vector<std::u16string> boxes;
    std::vector<std::u16string> countDowns;
    int answer = kBoxOk;  // how the program's own boxes are answered
};

// The bootloader probe of the virtual mouse, with a look-out called at every look.
class WatchedBootloaderProbe final : public BootloaderProbe {
public:
    explicit WatchedBootloaderProbe(HidBackend& backend) : probe_(backend) {}
    bool IsBootloaderPresent() override {
        if (onLook) onLook();
        return probe_.IsBootloaderPresent();
    }
    std::function<void()> onLook;  // called on the thread that runs the check

private:
    HidBootloaderProbe probe_;
};

class NoPointer final : public PointerSettings {
public:
    bool SetEnhancePrecision(bool) override { return true; }
    bool SetPointerSpeed(int32_t) override { return true; }
    bool SetWheelLines(int32_t) override { return true; }
    PointerSupport Support() const override { return {true, true, true}; }
};

// A program folder and a data folder of its own; the program folder may leave out the language files.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Build(true); }

    void Build(bool withLanguages, VirtualMouseConfig config = {}) {
        const QString built = QStringLiteral(ORYN7PX_TEST_PROGRAM_DIR);
        fs::create_directory_symlink(fs::path(built.toStdString()) / "skins", Program() / "skins");
        if (withLanguages)
            fs::create_directory_symlink(fs::path(built.toStdString()) / "Language", Program() / "Language");
        fs::create_symlink(fs::path(built.toStdString()) / "libMenuEx.so", Program() / "libMenuEx.so");
        SetProgramFolder(QString::fromStdString(Program().string()));
        paths = std::make_unique<LinuxPaths>(Program(), Data(), Data(), Data());
        mouse = std::make_unique<VirtualMouse>(clock, config);
        probe = std::make_unique<WatchedBootloaderProbe>(*mouse);
        presence = std::make_unique<VirtualMousePresence>(*mouse);
        store = std::make_unique<ProfileStore>(*state, *paths, writer, messages, strings);
        library = std::make_unique<MacroLibrary>(*state, *paths, writer, messages, strings, clock);
        statistics = std::make_unique<StatisticsFile>(*paths, writer, messages, strings);
        driver = std::make_unique<CUSBDriver>(*mouse, clock);
        services = std::make_unique<AppServices>(AppServices{
            *state, *store, *library, messages, strings, *driver, clock, *probe, presence.get(), shared, pointer,
            nullptr, nullptr, nullptr, progress, QString::fromStdString(Program().string()),
            [this](const QString& program, const QStringList& arguments) {
                started.push_back(program + " " + arguments.join(' '));
                return false;
            },
            keyboardLayout, *statistics, nullptr});
        services->trayAvailable = [this] { return trayAvailable; };
        dialog = std::make_unique<CQ580ZDriverDlg>(*services);
        QObject::connect(dialog.get(), &CQ580ZDriverDlg::Ended, [this] { ended = true; });
    }
    void TearDown() override {
        dialog.reset();
        SetProgramFolder(QString());
    }

    // What a page built on its own works with: this world's settings and files, no hooks.
    PageContext PageContextFor(QWidget* mainWindow, const int32_t& bChinese, bool startUpChinese = false) {
        return PageContext{mainWindow, state->profile, std::span<uint32_t, kButtonCount>(state->ButtonMacroId),
                           bChinese,   *library,       *store,
                           strings,    messages,       nullptr,
                           QString::fromStdString(Program().string()),
                           {},         state->MacroTable, keyboardLayout,
                           *statistics, nullptr,       startUpChinese};
    }
    // The user's language as Language.cfg holds it; without it the file is missing (read as 1).
    void UseLanguage(int32_t number) {
        std::ofstream(Data() / "Language.cfg", std::ios::binary).write(reinterpret_cast<const char*>(&number), sizeof number);
    }
    fs::path Program() const { return fs::path(programDir.path().toStdString()); }
    fs::path Data() const { return fs::path(dataDir.path().toStdString()); }
    QString Text(const char* key) const { return QString::fromStdU16String(strings.Text(key)); }

    void Send(uint32_t msg, uintptr_t wParam, intptr_t lParam) { SendMessageTo(dialog.get(), {msg, wParam, lParam}); }
    void Press(QWidget* button) { Send(WM_COMMAND, 0, WindowHandle(button)); }
    bool WaitUntilEnded() { return QTest::qWaitFor([this] { return ended; }, 3000); }

    QTemporaryDir programDir;
    QTemporaryDir dataDir;
    VirtualClock clock;
    LinuxFileWriter writer;
    RecordingMessages messages;
    IconvCodePageConverter converter;
    StringTable strings{converter};
    std::unique_ptr<SettingsState> state = std::make_unique<SettingsState>();
    std::unique_ptr<LinuxPaths> paths;
    std::unique_ptr<VirtualMouse> mouse;
    std::unique_ptr<WatchedBootloaderProbe> probe;
    std::unique_ptr<VirtualMousePresence> presence;
    std::unique_ptr<ProfileStore> store;
    std::unique_ptr<MacroLibrary> library;
    std::unique_ptr<StatisticsFile> statistics;
    std::unique_ptr<CUSBDriver> driver;
    ApplyShared shared;
    NoPointer pointer;
    CDlgProgress progress{strings};
    std::unique_ptr<AppServices> services;
    std::unique_ptr<CQ580ZDriverDlg> dialog;
    std::vector<QString> started;
    UsKeyboardLayout keyboardLayout;
    bool ended = false;
    bool trayAvailable = true;  // what the desktop answers about its tray
};

}  // namespace oryn7px::test
