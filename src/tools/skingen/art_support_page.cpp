// The support page's pictures. Until the page's controls arrive it shows its panels.
#include "art.h"
#include "core/app/layout/support_page_layout.h"
#include "theme.h"

namespace oryn7px::skingen {

void DrawSupportPage(const QString& root) {
    Save(root, QString::fromLatin1(support_page::kPictures.normal), PageBackground({{20, 16, 885, 200}, {20, 236, 885, 200}}));
}

}  // namespace oryn7px::skingen
