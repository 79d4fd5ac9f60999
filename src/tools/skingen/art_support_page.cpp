// The support page's pictures: the versions panel with its two labels and the firmware and web
// buttons, the configuration panel with import, export and restore defaults. The page draws the
// captions.
#include <QPainterPath>

#include "art.h"
#include "core/layout/support_page_layout.h"
#include "theme.h"

namespace oryn7px::skingen {

namespace {

namespace sp = support_page;

const QRect kVersionsPanel{20, 16, 885, 300};
const QRect kConfigurationPanel{20, 336, 885, 100};

// A small chip icon for the firmware, a window for the driver; the page draws the caption.
void PaintLabel(QPainter& painter, const sp::Control& label, bool chip, bool lit) {
    const QRect box = ToQRect(label.rect);
    const QColor colour = lit ? theme::kAccentLight : theme::kTextDim;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.4));
    painter.setBrush(Qt::NoBrush);
    const QRectF icon(box.left() + 4, box.center().y() - 8, 16, 16);
    painter.drawRoundedRect(icon, 2, 2);
    if (chip) {
        for (int i = 0; i < 3; ++i) {
            const qreal x = icon.left() + 4 + i * 4;
            painter.drawLine(QPointF(x, icon.top() - 3), QPointF(x, icon.top()));
            painter.drawLine(QPointF(x, icon.bottom()), QPointF(x, icon.bottom() + 3));
        }
    } else {
        painter.drawLine(QPointF(icon.left(), icon.top() + 4), QPointF(icon.right(), icon.top() + 4));
    }
    painter.restore();
}

// The field the page writes a version into.
void PaintVersionField(QPainter& painter, const LayoutRect& text) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(theme::kEdge, 1));
    painter.setBrush(theme::kPanel);
    painter.drawRoundedRect(QRectF(text.left - 10, text.top - 7, 210, 32).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.restore();
}

// The page draws the caption in the UI language.
void PaintButton(QPainter& painter, const sp::Control& control, Look look) {
    PaintFace(painter, QRectF(ToQRect(control.rect)), look, 4);
}

QImage SupportPicture(int scale, Look look) {
    QImage image = PageBackground(scale, {kVersionsPanel, kConfigurationPanel});
    QPainter painter(&image);
    // The labels are always shown lit; the normal picture keeps them dim beneath.
    PaintLabel(painter, sp::kDriverVersionLabel, false, look != Look::Normal);
    PaintLabel(painter, sp::kFirmwareVersionLabel, true, look != Look::Normal);
    PaintVersionField(painter, sp::kDriverVersionText);
    PaintVersionField(painter, sp::kFirmwareVersionText);
    PaintButton(painter, sp::kUpdateButton, look);
    PaintButton(painter, sp::kWebButton, look);
    PaintButton(painter, sp::kImportButton, look);
    PaintButton(painter, sp::kExportButton, look);
    PaintButton(painter, sp::kDefaultsButton, look);
    return image;
}

}  // namespace

void DrawSupportPage(const QString& root, int scale) {
    Save(root, QString::fromLatin1(sp::kPictures.normal), SupportPicture(scale, Look::Normal));
    Save(root, QString::fromLatin1(sp::kPictures.over), SupportPicture(scale, Look::Hover));
    Save(root, QString::fromLatin1(sp::kPictures.down), SupportPicture(scale, Look::Pressed));
}

}  // namespace oryn7px::skingen
