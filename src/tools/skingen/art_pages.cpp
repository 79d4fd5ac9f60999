// The five pages' backgrounds. Each page's controls are cut from its own pictures, which the
// page's work adds here; until then a page shows its panels.
#include <QPainter>
#include <vector>

#include "art.h"
#include "core/app/window_layout.h"
#include "theme.h"

namespace oryn7px::skingen {

namespace {

struct PagePicture {
    const char* file;
    std::vector<QRect> panels;  // in page pixels
};

QImage PageBackground(const std::vector<QRect>& panels) {
    const LayoutRect& area = main_window::kPageArea;
    QImage image = NewImage(area.Width(), area.Height(), theme::kPanel);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QRect& panel : panels) {
        painter.setPen(QPen(theme::kEdge, 1));
        painter.setBrush(theme::kPanelRaised);
        painter.drawRoundedRect(QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        // An accent tab marks each panel's heading line.
        painter.fillRect(QRect(panel.left() + 12, panel.top() + 12, 3, 16), theme::kAccent);
        painter.fillRect(QRect(panel.left() + 1, panel.top() + 40, panel.width() - 2, 1), theme::kEdge);
    }
    return image;
}

}  // namespace

void DrawPages(const QString& root) {
    const std::vector<PagePicture> pages{
        {"Main_Normal.bmp", {{20, 16, 430, 420}, {470, 16, 435, 200}, {470, 236, 435, 200}}},
        {"Light/LedSet_normal.bmp", {{20, 16, 560, 420}, {600, 16, 305, 420}}},
        {"MacroSet_Normal.bmp", {{20, 16, 280, 420}, {320, 16, 380, 420}, {720, 16, 185, 420}}},
        {"Sts_Normal.bmp", {{20, 16, 270, 420}, {310, 16, 595, 420}}},
        {"support_normal.bmp", {{20, 16, 885, 200}, {20, 236, 885, 200}}},
    };
    for (const PagePicture& page : pages) Save(root, QString::fromLatin1(page.file), PageBackground(page.panels));
}

}  // namespace oryn7px::skingen
