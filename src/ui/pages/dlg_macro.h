#pragma once
// The macro manager and recorder. Its lists and recorder come with the page's own work; the
// macro table is the library's and is saved from here when the program closes.
#include "ui/pages/page_dlg.h"

namespace oryn7px {

class MacroLibrary;

class CDlgMacro : public CPageDlg {
    Q_OBJECT
public:
    CDlgMacro(QWidget* mainWindow, MacroLibrary& library);

    // Ends a recording or an edit in progress (none without the recorder).
    void EndRecording() {}
    // Takes the pending number field into the macro before an apply (no field yet).
    void CommitPendingNumber() {}
    bool SaveMacroTable();

private:
    MacroLibrary& library_;
};

}  // namespace oryn7px
