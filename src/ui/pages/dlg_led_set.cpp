#include "ui/pages/dlg_led_set.h"

#include "core/settings/settings_state.h"

namespace oryn7px {

CDlgLEDSet::CDlgLEDSet(QWidget* mainWindow, SettingsState& state)
    : CPageDlg(mainWindow, QStringLiteral("Light/LedSet_normal.bmp")), state_(state) {}

void CDlgLEDSet::RefreshFromProfile() {
    update();
    emit Refreshed();
}

}  // namespace oryn7px
