#pragma once
// The popup-menu library's two entry points, loaded once by the main settings page and called
// by the macro page for its category menu.
#include <QString>

#include "abi/menu_ex_api.h"

namespace oryn7px {

struct MenuExEntryPoints {
    CreateMenuExProc create = nullptr;
    DestroyMenuExProc destroy = nullptr;
    bool Loaded() const { return create != nullptr && destroy != nullptr; }
};

// Loads libMenuEx.so from `programFolder`; false when the file or either entry point is missing
// (entry points found before stay as they were).
bool LoadMenuEx(const QString& programFolder);

// Null entry points until LoadMenuEx succeeded.
const MenuExEntryPoints& MenuEx();

}  // namespace oryn7px
