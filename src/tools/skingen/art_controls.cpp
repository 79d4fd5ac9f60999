// Pictures of the generic controls: slider thumb, scroll-bar skin, list-row pictures and the
// macro page's menu bitmaps.
#include <QPainterPath>

#include "art.h"
#include "core/layout/skin_arithmetic.h"
#include "theme.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px::skingen {

namespace {

constexpr int kScrollCell = 12;
const QColor kTransparentKey{0xFF, 0x00, 0xFF};

QImage SliderThumb(int scale) {
    // The top-left colour is the transparent key, so the thumb is drawn without edge blending.
    QImage image = NewImage(scale, 14, 16, kTransparentKey);
    QPainter painter(&image);
    painter.setPen(theme::kAccentLight);
    painter.setBrush(theme::kAccent);
    painter.drawRoundedRect(QRect(1, 0, 11, 15), 3, 3);
    painter.fillRect(QRect(4, 3, 6, 10), QColor(0xE6, 0xF7, 0xFB));
    painter.fillRect(QRect(6, 5, 2, 6), theme::kAccent);
    return image;
}

void PaintArrow(QPainter& painter, const QRectF& cell, int direction, QColor colour) {
    // direction: 0 up, 1 down, 2 left, 3 right
    const QPointF c = cell.center();
    QPolygonF arrow;
    switch (direction) {
        case 0: arrow << c + QPointF(0, -3) << c + QPointF(-4, 2) << c + QPointF(4, 2); break;
        case 1: arrow << c + QPointF(0, 3) << c + QPointF(-4, -2) << c + QPointF(4, -2); break;
        case 2: arrow << c + QPointF(-3, 0) << c + QPointF(2, -4) << c + QPointF(2, 4); break;
        default: arrow << c + QPointF(3, 0) << c + QPointF(-2, -4) << c + QPointF(-2, 4); break;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(arrow);
}

QImage ScrollSkin(int scale) {
    const int w = kScrollCell;
    QImage image = NewImage(scale, 9 * w, 3 * w);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor arrowColour[] = {theme::kTextDim, theme::kAccentLight, Qt::white};
    const QColor thumbColour[] = {QColor(0x3A, 0x46, 0x55), theme::kAccent, theme::kAccentLight};
    for (int row = 0; row < 3; ++row) {
        for (int orientation = 0; orientation < 2; ++orientation) {
            const int base = orientation * 4;
            for (int arrow = 0; arrow < 2; ++arrow) {
                const QRectF cell(( base + arrow) * w, row * w, w, w);
                painter.fillRect(cell, row == 2 ? QColor(0x10, 0x3A, 0x50) : QColor(0x14, 0x19, 0x20));
                PaintArrow(painter, cell, orientation * 2 + arrow, arrowColour[row]);
            }
            const QRectF thumb((base + 2) * w, row * w, w, w);
            painter.fillRect(thumb, QColor(0x10, 0x14, 0x1A));
            painter.setPen(Qt::NoPen);
            painter.setBrush(thumbColour[row]);
            painter.drawRoundedRect(thumb.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
            painter.fillRect(QRectF((base + 3) * w, row * w, w, w), QColor(0x10, 0x14, 0x1A));
        }
        painter.fillRect(QRectF(8 * w, row * w, w, w), QColor(0x10, 0x14, 0x1A));
    }
    return image;
}

QImage RowPicture(int scale, int kind, bool selected) {
    QImage image = NewImage(scale, 16, 16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = selected ? Qt::white : theme::kAccentLight;
    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (kind) {
        case 2:  // key up: arrow up out of a key cap
        case 3:  // key down
        {
            painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
            PaintArrow(painter, QRectF(0, 0, 16, 16), kind == 2 ? 0 : 1, ink);
            break;
        }
        case 4:  // delay: a clock
            painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            painter.drawLine(QPointF(8, 8), QPointF(8, 4));
            painter.drawLine(QPointF(8, 8), QPointF(11, 9.5));
            break;
        default:  // pointer move: four-way arrows
            painter.drawLine(QPointF(8, 2), QPointF(8, 14));
            painter.drawLine(QPointF(2, 8), QPointF(14, 8));
            for (int d = 0; d < 4; ++d) {
                const QPointF tips[] = {{8, 2}, {8, 14}, {2, 8}, {14, 8}};
                PaintArrow(painter, QRectF(tips[d] - QPointF(4, 4), QSizeF(8, 8)), d, ink);
            }
            break;
    }
    return image;
}

QImage MenuBitmap(int scale, Look look, bool hasSub) {
    QImage image = NewImage(scale, 200, 24);
    QPainter painter(&image);
    const QColor fill = look == Look::Normal ? theme::kLightPanel : (look == Look::Hover ? theme::kAccent : QColor(0x0B, 0x6F, 0x9E));
    painter.fillRect(DrawingArea(image), fill);
    painter.fillRect(QRect(0, 23, 200, 1), look == Look::Normal ? QColor(0xD0, 0xD7, 0xDE) : theme::kAccentLight);
    if (look != Look::Normal) painter.fillRect(QRect(0, 0, 3, 24), theme::kAccentLight);
    if (hasSub) {
        painter.setRenderHint(QPainter::Antialiasing);
        PaintArrow(painter, QRectF(184, 6, 12, 12), 3, look == Look::Normal ? QColor(0x53, 0x61, 0x67) : Qt::white);
    }
    return image;
}

}  // namespace

void DrawControls(const QString& root, int scale) {
    Save(root, "Slider.png", SliderThumb(scale));
    Save(root, "ScrollBar.png", ScrollSkin(scale));
    const char* names[] = {"up", "down", "delay", "CursorMove"};
    for (int kind = 2; kind <= 5; ++kind) {
        Save(root, QString("%1_normal.png").arg(names[kind - 2]), RowPicture(scale, kind, false));
        Save(root, QString("%1_select.png").arg(names[kind - 2]), RowPicture(scale, kind, true));
    }
    for (bool ticked : {false, true}) {
        for (bool selected : {false, true}) {
            QImage tick = NewImage(scale, 16, 16);
            QPainter painter(&tick);
            PaintTickBox(painter, QRectF(0, 0, 16, 16), selected ? Look::Hover : Look::Normal, ticked);
            painter.end();
            Save(root, QString::fromStdString(RowTickFile(ticked, selected)), tick);
        }
    }
    Save(root, "Menu/MenuNorL.BMP", MenuBitmap(scale, Look::Normal, false));
    Save(root, "Menu/MenuOverL.BMP", MenuBitmap(scale, Look::Hover, false));
    Save(root, "Menu/MenuDownL.BMP", MenuBitmap(scale, Look::Pressed, false));
    Save(root, "Menu/MenuNorHaveSub.BMP", MenuBitmap(scale, Look::Normal, true));
    Save(root, "Menu/MenuOverHaveSub.BMP", MenuBitmap(scale, Look::Hover, true));
    Save(root, "Menu/MenuDownHaveSub.BMP", MenuBitmap(scale, Look::Pressed, true));
}

}  // namespace oryn7px::skingen
