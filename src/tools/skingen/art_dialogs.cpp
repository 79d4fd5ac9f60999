// The message box skins 1004–1009 and the progress window pictures.
#include <QLinearGradient>

#include "art.h"
#include "core/layout/dialogs_layout.h"
#include "theme.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px::skingen {

namespace {

namespace ib = info_box;

void PaintDialogBody(QPainter& painter, const QRect& area) {
    PaintBackdrop(painter, area);
    painter.fillRect(QRect(0, 0, area.width(), 30), QColor(0x0A, 0x0D, 0x11, 220));
    painter.fillRect(QRect(0, 30, area.width(), 1), theme::kAccent);
    painter.setPen(QPen(theme::kEdge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));
}

void PaintBadge(QPainter& painter, QChar symbol) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(30, 60, 40, 40);
    painter.setPen(QPen(theme::kAccentLight, 2));
    painter.setBrush(QColor(0, 147, 209, 50));
    painter.drawEllipse(circle);
    painter.restore();
    PaintCaption(painter, circle.toRect(), symbol, theme::kAccentLight, 24, false, 800);
}

QImage InfoSkin(int scale, bool ask, Look look) {
    QImage image = NewImage(scale, ib::kWidth, ib::kHeight);
    QPainter painter(&image);
    PaintDialogBody(painter, DrawingArea(image));
    PaintBadge(painter, ask ? QChar('?') : QChar('i'));
    // Close button: a glyph that lights up.
    const QRect close = ToQRect(ib::kCloseButton);
    if (look != Look::Normal) PaintFace(painter, QRectF(close).adjusted(3, 4, -3, -4), look, 3);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look == Look::Normal ? theme::kTextDim : Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = QRectF(close).center();
    painter.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    painter.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    const LayoutRect buttons[] = {ib::kAskOk, ib::kAskCancel};
    if (ask) {
        for (const LayoutRect& r : buttons) PaintFace(painter, QRectF(ToQRect(r)).adjusted(2, 3, -2, -5), look);
    } else {
        PaintFace(painter, QRectF(ToQRect(ib::kInfoOk)).adjusted(2, 3, -2, -5), look);
    }
    return image;
}

}  // namespace

void DrawDialogs(const QString& root, int scale) {
    // Ask form: 1006 normal, 1008 pressed, 1004 hover; information form: 1007, 1009, 1005.
    Save(root, ResourceRelativePath(ib::kAskSkins[0]), InfoSkin(scale, true, Look::Normal));
    Save(root, ResourceRelativePath(ib::kAskSkins[1]), InfoSkin(scale, true, Look::Pressed));
    Save(root, ResourceRelativePath(ib::kAskSkins[2]), InfoSkin(scale, true, Look::Hover));
    Save(root, ResourceRelativePath(ib::kInfoSkins[0]), InfoSkin(scale, false, Look::Normal));
    Save(root, ResourceRelativePath(ib::kInfoSkins[1]), InfoSkin(scale, false, Look::Pressed));
    Save(root, ResourceRelativePath(ib::kInfoSkins[2]), InfoSkin(scale, false, Look::Hover));

    namespace pw = progress_window;
    for (bool filled : {false, true}) {
        QImage image = NewImage(scale, pw::kWidth, pw::kHeight);
        QPainter painter(&image);
        PaintBackdrop(painter, DrawingArea(image));
        painter.fillRect(QRect(0, 0, pw::kWidth, 2), theme::kAccent);
        painter.setPen(QPen(theme::kEdge, 1));
        painter.drawRect(QRectF(DrawingArea(image)).adjusted(0.5, 0.5, -0.5, -0.5));
        const QRect bar = ToQRect(pw::kBar);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(theme::kEdge, 1));
        painter.setBrush(QColor(0x06, 0x08, 0x0B));
        painter.drawRoundedRect(QRectF(bar).adjusted(-1.5, -1.5, 1.5, 1.5), 4, 4);
        if (filled) {
            QLinearGradient fill(bar.topLeft(), bar.topRight());
            fill.setColorAt(0, theme::kAccent);
            fill.setColorAt(1, theme::kAccentLight);
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawRoundedRect(QRectF(bar), 3, 3);
            painter.fillRect(QRect(bar.left() + 2, bar.top() + 1, bar.width() - 4, 2), QColor(255, 255, 255, 90));
        }
        Save(root, filled ? "ProgressBar/Progress_Over.png" : "ProgressBar/Progress_Normal.png", image);
    }
}

}  // namespace oryn7px::skingen
