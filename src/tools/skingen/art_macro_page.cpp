// The macro page's pictures. Until the page's controls arrive it shows its panels.
#include "art.h"
#include "core/app/layout/macro_page_layout.h"
#include "theme.h"

namespace oryn7px::skingen {

void DrawMacroPage(const QString& root) {
    Save(root, QString::fromLatin1(macro_page::kPictures.normal), PageBackground({{20, 16, 280, 420}, {320, 16, 380, 420}, {720, 16, 185, 420}}));
}

}  // namespace oryn7px::skingen
