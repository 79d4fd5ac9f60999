#include "ui/pages/page_table.h"

#include "core/layout/lighting_page_layout.h"
#include "core/layout/macro_page_layout.h"
#include "core/layout/main_page_layout.h"
#include "core/layout/statistics_page_layout.h"
#include "core/layout/support_page_layout.h"
#include "ui/pages/lighting_page_dlg.h"
#include "ui/pages/macro_page_dlg.h"
#include "ui/pages/main_page_dlg.h"
#include "ui/pages/statistics_page_dlg.h"
#include "ui/pages/support_page_dlg.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace {

QStringList NoMorePictures(bool) { return {}; }

QStringList MainPageControlPictures(bool chinese) {
    QStringList pictures{QString::fromLatin1(main_page::kSliderThumb)};
    for (int number : chinese ? main_page::kTabPicturesChinese : main_page::kTabPicturesOther)
        pictures << ResourceRelativePath(number);
    return pictures;
}

}  // namespace

const std::array<PageRow, kPageCount>& PageTable() {
    static const std::array<PageRow, kPageCount> kTable{{
        {"str_main", main_page::kPictures, main_page::kPicturesChinese, true, MainPageControlPictures,
         [](const PageContext& c) -> CPageDlg* { return new CDlgMainSet(c); }},
        {"str_led_title", lighting_page::kPictures, lighting_page::kPicturesChinese, false, NoMorePictures,
         [](const PageContext& c) -> CPageDlg* { return new CDlgLEDSet(c); }},
        // Built at start-up, as every close sequence saves the macro table through it.
        {"str_macro_manager", macro_page::kPictures, macro_page::kPicturesChinese, true, NoMorePictures,
         [](const PageContext& c) -> CPageDlg* { return new CDlgMacro(c); }},
        // Built at start-up, as it counts the desktop's clicks from then on.
        {"str_sts", statistics_page::kPictures, statistics_page::kPictures, true, NoMorePictures,
         [](const PageContext& c) -> CPageDlg* { return new CDlgSts(c); }},
        {"str_about", support_page::kPictures, support_page::kPictures, false, NoMorePictures,
         [](const PageContext& c) -> CPageDlg* { return new CDlgSupport(c); }},
    }};
    return kTable;
}

}  // namespace oryn7px
