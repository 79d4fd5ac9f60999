// The statistics page's pictures. Until the page's controls arrive it shows its panels.
#include "art.h"
#include "core/app/layout/statistics_page_layout.h"
#include "theme.h"

namespace oryn7px::skingen {

void DrawStatisticsPage(const QString& root) {
    Save(root, QString::fromLatin1(statistics_page::kPictures.normal), PageBackground({{20, 16, 270, 420}, {310, 16, 595, 420}}));
}

}  // namespace oryn7px::skingen
