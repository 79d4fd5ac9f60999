#pragma once
// The lighting page. Its controls come with the page's own work.
#include "ui/pages/page_dlg.h"

namespace oryn7px {

struct SettingsState;

class CDlgLEDSet : public CPageDlg {
    Q_OBJECT
public:
    CDlgLEDSet(QWidget* mainWindow, SettingsState& state);

    void RefreshFromProfile();

signals:
    void Refreshed();

private:
    SettingsState& state_;
};

}  // namespace oryn7px
