#pragma once
// The statistics page. Its counters and trophies come with the page's own work.
#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"

namespace oryn7px {

class CDlgSts : public CPageDlg {
    Q_OBJECT
public:
    explicit CDlgSts(const PageContext& context);

    // Statistics have nothing to apply.
    bool AllowsApply() const override { return false; }
};

}  // namespace oryn7px
