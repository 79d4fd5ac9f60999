#pragma once
// CQ580ZDriverApp: the process entry. It sets up everything the main window works with, keeps
// the program to one per user, and runs the main window until its close sequence ends.
#include <QString>
#include <memory>

#include "core/app/host_actions.h"
#include "core/app/log.h"
#include "core/app/program_rules_file.h"
#include "core/base/clock.h"
#include "core/device/apply_worker.h"
#include "core/device/input_hooks.h"
#include "core/device/usb_driver.h"
#include "core/i18n/string_table.h"
#include "core/interfaces/bootloader_probe.h"
#include "core/interfaces/device_presence.h"
#include "core/settings/macro_library.h"
#include "core/settings/profile_store.h"
#include "core/settings/statistics_file.h"
#include "platform/hid_backend_choice.h"
#include "platform/linux/curl_downloader.h"
#include "platform/linux/iconv_code_page_converter.h"
#include "platform/linux/linux_file_writer.h"
#include "platform/linux/linux_paths.h"
#include "platform/linux/linux_shell.h"
#include "platform/linux/safe_log_file.h"
#include "platform/linux/desktop_backends.h"
#include "platform/linux/xdg_autostart.h"
#include "platform/linux/xkb_keyboard_layout.h"
#include "window_key_feed.h"
#include "ui/frame/gui_user_messages.h"

namespace oryn7px {

class CDlgProgress;
class FirmwareChecker;
class QtAnswerTimer;
class DataFolderLock;
class CQ580ZDriverDlg;
class SingleInstanceServer;
struct AppServices;

struct AppOptions {
    bool virtualMouse = false;  // --virtual-mouse: an in-process virtual mouse
    bool startHidden = false;   // --hidden: start in the tray
};

class CQ580ZDriverApp {
public:
    // Needs the QApplication to exist.
    explicit CQ580ZDriverApp(AppOptions options);
    ~CQ580ZDriverApp();

    // The start-up order; returns the process's exit status once the main window has ended
    // (0 also when a running program was shown instead, or the flashing tool took over).
    int InitInstance();

    QString strAppDir;

private:
    void ChoosePresenceAndProbe();
    void OnHookNotice(const std::string& notice);
    // A notice that must not interrupt the user: stderr and the log.
    void LogNotice(std::string_view notice);
    // Tells the terminal how desktop input is served, and whether the hint bar says it too.
    bool ReportDesktop();
    void CreateFirmwareChecker();
    void EndFirmwareChecker();

    AppOptions options_;
    RealClock clock_;
    LinuxPaths paths_;
    LinuxFileWriter writer_;
    IconvCodePageConverter converter_;
    StringTable strings_;
    std::unique_ptr<SettingsState> state_;
    GuiUserMessages messages_;
    ProfileStore store_;
    MacroLibrary library_;
    StatisticsFile statistics_;
    HidBackendChoice backend_;
    CUSBDriver driver_;
    std::unique_ptr<BootloaderProbe> bootloader_;
    std::unique_ptr<DevicePresence> presence_;
    ApplyShared shared_;
    SafeLogFileOpener logFiles_;
    CLog log_;
    std::unique_ptr<DesktopBackends> desktop_;
    std::unique_ptr<ProgramRulesFile> programRules_;
    InputHooks hooks_;
    std::unique_ptr<WindowKeyFeed> windowKeys_;
    XdgAutostart autostart_;
    LinuxShell shell_;
    XkbKeyboardLayout keyboardLayout_{SessionLayoutNames()};
    HostActions hostActions_;
    CurlDownloader downloader_;
    std::unique_ptr<QtAnswerTimer> answerTimer_;
    std::unique_ptr<FirmwareChecker> firmware_;
    std::unique_ptr<CDlgProgress> progress_;
    std::unique_ptr<SingleInstanceServer> singleInstance_;
    std::unique_ptr<DataFolderLock> dataLock_;  // command-line writes are refused while this is held
    std::unique_ptr<AppServices> services_;
    std::unique_ptr<CQ580ZDriverDlg> dialog_;
};

}  // namespace oryn7px
