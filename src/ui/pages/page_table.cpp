#include "ui/pages/page_table.h"

#include "core/app/layout/lighting_page_layout.h"
#include "core/app/layout/macro_page_layout.h"
#include "core/app/layout/main_page_layout.h"
#include "core/app/layout/statistics_page_layout.h"
#include "core/app/layout/support_page_layout.h"
#include "ui/pages/dlg_led_set.h"
#include "ui/pages/dlg_macro.h"
#include "ui/pages/dlg_main_set.h"
#include "ui/pages/dlg_sts.h"
#include "ui/pages/dlg_support.h"

namespace oryn7px {

const std::array<PageRow, kPageCount>& PageTable() {
    static const std::array<PageRow, kPageCount> kTable{{
        {"str_main", main_page::kPictures, main_page::kPicturesChinese, true,
         [](const PageContext& c) -> CPageDlg* { return new CDlgMainSet(c); }},
        {"str_led_title", lighting_page::kPictures, lighting_page::kPicturesChinese, false,
         [](const PageContext& c) -> CPageDlg* { return new CDlgLEDSet(c); }},
        {"str_macro_manager", macro_page::kPictures, macro_page::kPicturesChinese, false,
         [](const PageContext& c) -> CPageDlg* { return new CDlgMacro(c); }},
        {"str_sts", statistics_page::kPictures, statistics_page::kPictures, true,  // counts from start-up
         [](const PageContext& c) -> CPageDlg* { return new CDlgSts(c); }},
        {"str_about", support_page::kPictures, support_page::kPictures, false,
         [](const PageContext& c) -> CPageDlg* { return new CDlgSupport(c); }},
    }};
    return kTable;
}

}  // namespace oryn7px
