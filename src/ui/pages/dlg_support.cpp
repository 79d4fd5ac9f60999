#include "ui/pages/dlg_support.h"

#include "core/app/layout/support_page_layout.h"

namespace oryn7px {

CDlgSupport::CDlgSupport(const PageContext& context) : CPageDlg(context.mainWindow, support_page::kPictures) {}

void CDlgSupport::OnFirmwareVersion(uint32_t version) {
    strFirmwareVersion_ = version != 0 ? QString::number(version) : QString();
}

}  // namespace oryn7px
