#pragma once
// The five pages in tab order, the one place that names them: each row gives the tab's
// language key and builds the page. Pages the first picture of the window can do without are
// built once the window is up.
#include <QStringList>
#include <array>
#include <functional>

#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"

namespace oryn7px {

inline constexpr int kPageCount = 5;

struct PageRow {
    const char* tabKey;             // tooltip and hint of the page's tab
    StatePictures pictures;         // the page's own pictures, decoded while start-up waits
    StatePictures picturesChinese;  // the same in the Chinese layout
    bool builtAtStartUp;            // shown first, or working from the start
    // The other pictures its controls are cut from, by start-up layout (Chinese or not); those
    // of a page built at start-up are decoded while start-up waits.
    QStringList (*controlPictures)(bool chinese);
    std::function<CPageDlg*(const PageContext&)> create;
};

const std::array<PageRow, kPageCount>& PageTable();

}  // namespace oryn7px
