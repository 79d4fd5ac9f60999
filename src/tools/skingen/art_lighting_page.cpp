// The lighting page's pictures. Until the page's controls arrive it shows its panels.
#include "art.h"
#include "core/app/layout/lighting_page_layout.h"
#include "theme.h"

namespace oryn7px::skingen {

void DrawLightingPage(const QString& root) {
    Save(root, QString::fromLatin1(lighting_page::kPictures.normal), PageBackground({{20, 16, 560, 420}, {600, 16, 305, 420}}));
}

}  // namespace oryn7px::skingen
