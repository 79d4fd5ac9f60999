#include "ui/pages/dlg_macro.h"

#include "core/settings/macro_library.h"

namespace oryn7px {

CDlgMacro::CDlgMacro(QWidget* mainWindow, MacroLibrary& library)
    : CPageDlg(mainWindow, QStringLiteral("MacroSet_Normal.bmp")), library_(library) {}

bool CDlgMacro::SaveMacroTable() { return library_.SaveMacroLibrary(); }

}  // namespace oryn7px
