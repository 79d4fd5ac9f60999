#include "ui/pages/dlg_sts.h"

namespace oryn7px {

CDlgSts::CDlgSts(QWidget* mainWindow) : CPageDlg(mainWindow, QStringLiteral("Sts_Normal.bmp")) {}

}  // namespace oryn7px
