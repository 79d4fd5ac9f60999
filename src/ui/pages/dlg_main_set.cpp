#include "ui/pages/dlg_main_set.h"

#include "core/settings/settings_state.h"

namespace oryn7px {

CDlgMainSet::CDlgMainSet(QWidget* mainWindow, SettingsState& state)
    : CPageDlg(mainWindow, QStringLiteral("Main_Normal.bmp")), state_(state) {}

void CDlgMainSet::RefreshFromProfile() {
    update();
    emit Refreshed();
}

}  // namespace oryn7px
