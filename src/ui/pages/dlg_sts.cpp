#include "ui/pages/dlg_sts.h"

#include "core/app/layout/statistics_page_layout.h"

namespace oryn7px {

CDlgSts::CDlgSts(const PageContext& context) : CPageDlg(context.mainWindow, statistics_page::kPictures) {}

}  // namespace oryn7px
