#pragma once
// The support page. Its buttons and texts come with the page's own work; the firmware version
// it shows arrives from the main window at start-up and after the mouse comes back.
#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"

namespace oryn7px {

class CDlgSupport : public CPageDlg {
    Q_OBJECT
public:
    explicit CDlgSupport(const PageContext& context);

    // The support page has nothing to apply.
    bool AllowsApply() const override { return false; }
    void OnFirmwareVersion(uint32_t version) override;

    QString FirmwareVersionText() const { return strFirmwareVersion_; }

private:
    QString strFirmwareVersion_;
};

}  // namespace oryn7px
