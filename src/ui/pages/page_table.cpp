#include "ui/pages/page_table.h"

#include "ui/pages/dlg_led_set.h"
#include "ui/pages/dlg_macro.h"
#include "ui/pages/dlg_main_set.h"
#include "ui/pages/dlg_sts.h"
#include "ui/pages/dlg_support.h"

namespace oryn7px {

const std::array<PageRow, kPageCount>& PageTable() {
    static const std::array<PageRow, kPageCount> kTable{{
        {"str_main", [](const PageContext& c) -> CPageDlg* { return new CDlgMainSet(c); }},
        {"str_led_title", [](const PageContext& c) -> CPageDlg* { return new CDlgLEDSet(c); }},
        {"str_macro_manager", [](const PageContext& c) -> CPageDlg* { return new CDlgMacro(c); }},
        {"str_sts", [](const PageContext& c) -> CPageDlg* { return new CDlgSts(c); }},
        {"str_about", [](const PageContext& c) -> CPageDlg* { return new CDlgSupport(c); }},
    }};
    return kTable;
}

}  // namespace oryn7px
