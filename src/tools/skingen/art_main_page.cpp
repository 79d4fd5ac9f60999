// The main settings page's pictures. Until the page's controls arrive it shows its panels.
#include "art.h"
#include "core/app/layout/main_page_layout.h"
#include "theme.h"

namespace oryn7px::skingen {

void DrawMainPage(const QString& root) {
    Save(root, QString::fromLatin1(main_page::kPictures.normal), PageBackground({{20, 16, 430, 420}, {470, 16, 435, 200}, {470, 236, 435, 200}}));
}

}  // namespace oryn7px::skingen
