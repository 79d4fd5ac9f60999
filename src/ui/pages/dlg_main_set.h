#pragma once
// The main settings page (buttons, DPI, report rate, pointer). Its controls come with the page's
// own work; the main window already calls these entry points.
#include "ui/pages/page_dlg.h"

namespace oryn7px {

struct SettingsState;

class CDlgMainSet : public CPageDlg {
    Q_OBJECT
public:
    CDlgMainSet(QWidget* mainWindow, SettingsState& state);

    // Shows the current profile.
    void RefreshFromProfile();
    // Takes the wheel-lines box's number into the profile before an apply (no box yet).
    void CommitWheelLines() {}

signals:
    void Refreshed();

private:
    SettingsState& state_;
};

}  // namespace oryn7px
