#pragma once
// The lighting page. Its controls come with the page's own work.
#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"

namespace oryn7px {

class CDlgLEDSet : public CPageDlg {
    Q_OBJECT
public:
    explicit CDlgLEDSet(const PageContext& context);

    void RefreshFromProfile() override;
    void OnShown() override { RefreshFromProfile(); }

private:
    ProfileData& profile_;
};

}  // namespace oryn7px
