#pragma once
// What a page may work with. Each page takes the pieces it needs in its constructor; nothing
// here is the whole settings state.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <span>

#include "core/app/desktop_input.h"
#include "core/interfaces/keyboard_layout.h"
#include "core/interfaces/pointer_settings.h"
#include "core/settings/file_records.h"

namespace oryn7px {

class FirmwareChecker;
class CursorPosition;
class InputHooks;
class MacroLibrary;
class ProfileStore;
class StatisticsFile;
class StringTable;
class UserMessages;

// Starts a program with its arguments, detached; false when it cannot.
using StartProgram = std::function<bool(const QString& program, const QStringList& arguments)>;

struct PageContext {
    QWidget* mainWindow;                               // where pages post their messages
    ProfileData& profile;                              // the current profile, edited in memory
    std::span<uint32_t, kButtonCount> buttonMacroIds;  // macro ids of the current profile's buttons
    const int32_t& bChinese;                           // 1 while the Simplified Chinese UI is active
    MacroLibrary& library;
    ProfileStore& store;
    StringTable& strings;
    UserMessages& messages;
    InputHooks* hooks;  // null where the desktop's input cannot be seen
    QString programFolder;
    StartProgram startProgram;
    const MacroTableData& macroTable;  // the macro library's records, for macro names
    const KeyboardLayout& keyboardLayout;  // names the keys of key assignments
    StatisticsFile& statistics;  // Sts.cfg
    CursorPosition* cursor;      // null where the pointer's position cannot be read
    bool startUpChinese;         // the skins' language from languagetype.ini, fixed for the run
    FirmwareChecker* firmware = nullptr;  // the update check; null where there is none
    DesktopInput desktopInput{};          // how the desktop's input reaches the program
    PointerSupport pointerSupport{true, true, true};  // which pointer settings reach the desktop
};

}  // namespace oryn7px
