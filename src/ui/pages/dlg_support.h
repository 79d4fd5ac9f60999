#pragma once
// The support page. Its buttons and texts come with the page's own work; the firmware version
// it shows is set by the main window at start-up and after the mouse comes back.
#include "ui/pages/page_dlg.h"

namespace oryn7px {

class CDlgSupport : public CPageDlg {
    Q_OBJECT
public:
    explicit CDlgSupport(QWidget* mainWindow);

    void SetFirmwareVersionText(const QString& text) { strFirmwareVersion_ = text; }
    QString FirmwareVersionText() const { return strFirmwareVersion_; }

private:
    QString strFirmwareVersion_;
};

}  // namespace oryn7px
