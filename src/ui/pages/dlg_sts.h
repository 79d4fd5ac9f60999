#pragma once
// The statistics page. Its counters and trophies come with the page's own work.
#include "ui/pages/page_dlg.h"

namespace oryn7px {

class CDlgSts : public CPageDlg {
    Q_OBJECT
public:
    explicit CDlgSts(QWidget* mainWindow);
};

}  // namespace oryn7px
