#include "ui/pages/dlg_macro.h"

#include "core/app/layout/macro_page_layout.h"
#include "core/settings/macro_library.h"

namespace oryn7px {

CDlgMacro::CDlgMacro(const PageContext& context)
    : CPageDlg(context.mainWindow, macro_page::kPictures), library_(context.library) {}

void CDlgMacro::OnClosing() { library_.SaveMacroLibrary(); }

}  // namespace oryn7px
