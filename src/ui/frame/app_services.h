#pragma once
// What the main window works with: the settings, the files, the device link, the input hooks
// and the shared flags, set up once by the application object (or by a test).
#include <QString>
#include <QStringList>
#include <functional>

#include "core/app/desktop_input.h"
#include "core/app/foreground_support.h"
#include "core/app/host_actions.h"
#include "core/app/log.h"
#include "core/app/program_rules_file.h"
#include "core/base/clock.h"
#include "core/device/apply_worker.h"
#include "core/device/input_hooks.h"
#include "core/device/usb_driver.h"
#include "core/i18n/string_table.h"
#include "core/interfaces/autostart.h"
#include "core/interfaces/bootloader_probe.h"
#include "core/interfaces/device_presence.h"
#include "core/interfaces/foreground_tracker.h"
#include "core/interfaces/keyboard_layout.h"
#include "core/interfaces/pointer_settings.h"
#include "core/interfaces/user_messages.h"
#include "core/settings/macro_library.h"
#include "core/interfaces/cursor_position.h"
#include "core/settings/profile_store.h"
#include "core/settings/statistics_file.h"
#include "core/settings/settings_state.h"
#include "ui/pages/page_context.h"

namespace oryn7px {

class CDlgProgress;
class FirmwareChecker;

struct AppServices {
    SettingsState& state;
    ProfileStore& store;
    MacroLibrary& library;
    UserMessages& messages;
    StringTable& strings;
    CUSBDriver& driver;
    Clock& clock;  // start-up's pauses and the worker's protocol pauses
    BootloaderProbe& bootloader;
    DevicePresence* presence;  // null: the mouse is not followed
    ApplyShared& shared;
    PointerSettings& pointer;
    InputHooks* hooks;          // null where the desktop's input cannot be seen
    HostActions* hostActions;   // null without hooks
    CLog* log;
    CDlgProgress& progress;
    QString programFolder;
    StartProgram startProgram;
    const KeyboardLayout& keyboardLayout;  // names the keys of key assignments
    StatisticsFile& statistics;
    CursorPosition* cursor;  // null: no travel is measured
    FirmwareChecker* firmware = nullptr;  // the update check and its thread; null where there is none
    DesktopInput desktopInput{};           // the input mode chosen at start-up
    Autostart* autostart = nullptr;        // null: no "Start with the desktop" entry in the tray menu
    bool startHidden = false;              // --hidden: start in the tray, as the desktop's autostart does
    bool announceDesktop = false;          // say in the hint bar what does not work on this desktop
    std::function<bool()> trayAvailable{}; // null: ask the desktop
    // The close sequence and the session's end begin: messages go to the log, no box waits.
    std::function<void()> beginUnattended{};
    // Profiles that follow the program in front: the rules file (null: nothing follows), who
    // tells the program in front (null where the desktop does not: `foreground` says why).
    ProgramRulesFile* programRules = nullptr;
    ForegroundTracker* foregroundTracker = nullptr;
    ForegroundSupport foreground{};
    // What must not interrupt the user (a game in front) goes to the log and stderr.
    std::function<void(std::string_view)> logNotice{};
};

}  // namespace oryn7px
