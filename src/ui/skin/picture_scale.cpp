#include "ui/skin/picture_scale.h"

#include <QRectF>

namespace oryn7px {

QSize LogicalSize(const QImage& picture) { return picture.deviceIndependentSize().toSize(); }

QRect PixelRect(const QImage& picture, const QRect& logicalRect) {
    const qreal ratio = picture.devicePixelRatio();
    return QRectF(logicalRect.x() * ratio, logicalRect.y() * ratio, logicalRect.width() * ratio,
                  logicalRect.height() * ratio)
        .toAlignedRect();
}

QImage CutPicture(const QImage& picture, const QRect& logicalRect) {
    return picture.copy(PixelRect(picture, logicalRect));
}

QPoint PixelAt(const QImage& picture, const QPoint& logicalPoint) {
    return (QPointF(logicalPoint) * picture.devicePixelRatio()).toPoint();
}

void SmoothScaledPictures(QPainter& painter) { painter.setRenderHint(QPainter::SmoothPixmapTransform); }

}  // namespace oryn7px
