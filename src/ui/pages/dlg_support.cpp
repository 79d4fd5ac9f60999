#include "ui/pages/dlg_support.h"

namespace oryn7px {

CDlgSupport::CDlgSupport(QWidget* mainWindow) : CPageDlg(mainWindow, QStringLiteral("support_normal.bmp")) {}

}  // namespace oryn7px
