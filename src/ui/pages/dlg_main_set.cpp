#include "ui/pages/dlg_main_set.h"

#include "core/app/layout/main_page_layout.h"

namespace oryn7px {

CDlgMainSet::CDlgMainSet(const PageContext& context)
    : CPageDlg(context.mainWindow, main_page::kPictures), profile_(context.profile) {}

void CDlgMainSet::RefreshFromProfile() {
    update();
    emit Refreshed();
}

void CDlgMainSet::BeforeApply() {
    if (profile_.nWheelLines != -1) CommitWheelLines();
}

}  // namespace oryn7px
