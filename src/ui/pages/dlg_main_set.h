#pragma once
// The main settings page (buttons, DPI, report rate, pointer). Its controls come with the page's
// own work.
#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"

namespace oryn7px {

class CDlgMainSet : public CPageDlg {
    Q_OBJECT
public:
    explicit CDlgMainSet(const PageContext& context);

    void RefreshFromProfile() override;
    void OnShown() override { RefreshFromProfile(); }
    void BeforeApply() override;

    // Takes the wheel-lines box's number into the profile before an apply (no box yet).
    void CommitWheelLines() {}

private:
    ProfileData& profile_;
};

}  // namespace oryn7px
