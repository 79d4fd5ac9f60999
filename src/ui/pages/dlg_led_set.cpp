#include "ui/pages/dlg_led_set.h"

#include "core/app/layout/lighting_page_layout.h"

namespace oryn7px {

CDlgLEDSet::CDlgLEDSet(const PageContext& context)
    : CPageDlg(context.mainWindow, lighting_page::kPictures), profile_(context.profile) {}

void CDlgLEDSet::RefreshFromProfile() {
    update();
    emit Refreshed();
}

}  // namespace oryn7px
