#pragma once
// The macro manager and recorder. Its lists and recorder come with the page's own work; the
// macro table is the library's and is saved from here when the program closes.
#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"

namespace oryn7px {

class CDlgMacro : public CPageDlg {
    Q_OBJECT
public:
    explicit CDlgMacro(const PageContext& context);

    // Ends a recording or an edit in progress (none without the recorder).
    void OnLeaving() override {}
    // Takes the pending number field into the macro (no field yet).
    void BeforeApply() override {}
    void OnClosing() override;

private:
    MacroLibrary& library_;
};

}  // namespace oryn7px
