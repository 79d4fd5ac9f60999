#include "theme.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>
#include <cmath>
#include <stdexcept>

#include "core/layout/frame_layout.h"
#include "core/layout/skin_files.h"
#include "ui/skin/picture_scale.h"

namespace oryn7px::skingen {

QImage NewImage(int scale, int width, int height, QColor fill) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

QRect DrawingArea(const QImage& image) { return QRect(QPoint(0, 0), LogicalSize(image)); }


QPolygon ToPolygon(const LayoutQuad& quad) {
    QPolygon polygon;
    for (const LayoutPoint& p : quad) polygon << QPoint(p.x, p.y);
    return polygon;
}

QFont ArtFont(int pixelSize, int weight, bool chinese) {
    QFont font;
    if (chinese)
        font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    else
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

void PaintBackdrop(QPainter& painter, const QRect& area) {
    QLinearGradient fade(area.topLeft(), area.bottomLeft());
    fade.setColorAt(0, theme::kBackgroundTop);
    fade.setColorAt(1, theme::kBackgroundBottom);
    painter.fillRect(area, fade);
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QColor(255, 255, 255, 6));
    for (int x = area.left() - area.height(); x < area.right(); x += 6)
        painter.drawLine(x, area.bottom(), x + area.height(), area.top());
    painter.restore();
}

void PaintFace(QPainter& painter, const QRectF& box, Look look, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    QColor edge = theme::kEdge;
    switch (look) {
        case Look::Normal:
            fill.setColorAt(0, theme::kPanelRaised);
            fill.setColorAt(1, theme::kPanel);
            break;
        case Look::Hover:
            fill.setColorAt(0, QColor(0x24, 0x3A, 0x4A));
            fill.setColorAt(1, QColor(0x1A, 0x2A, 0x36));
            edge = theme::kAccentLight;
            break;
        case Look::Pressed:
            fill.setColorAt(0, theme::kAccentLight);
            fill.setColorAt(1, theme::kAccent);
            edge = theme::kAccentLight.lighter(120);
            break;
    }
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

void PaintDisabledFace(QPainter& painter, const QRectF& box, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x4A, 0x51, 0x5A), 1, Qt::DashLine));
    painter.setBrush(QColor(0x3A, 0x40, 0x48));
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

void PaintInputField(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(theme::kAccent, 1));
    painter.setBrush(QColor(0xDD, 0xE4, 0xEA));
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.restore();
}

void PaintTickBox(QPainter& painter, const QRectF& box, Look look, bool ticked) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF mark = box.adjusted(1, 1, -1, -1);
    painter.setPen(QPen(look == Look::Normal ? QColor(0x5A, 0x66, 0x74) : theme::kAccentLight, 1.4));
    painter.setBrush(look == Look::Hover ? QColor(0x1F, 0x3B, 0x4C) : QColor(0x10, 0x14, 0x1A));
    painter.drawRoundedRect(mark, 3, 3);
    if (ticked) {
        painter.setPen(QPen(theme::kAccentLight, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF points[] = {mark.topLeft() + QPointF(mark.width() * 0.22, mark.height() * 0.52),
                                  mark.topLeft() + QPointF(mark.width() * 0.42, mark.height() * 0.74),
                                  mark.topLeft() + QPointF(mark.width() * 0.80, mark.height() * 0.28)};
        painter.drawPolyline(points, 3);
    }
    painter.restore();
}

void PaintShape(QPainter& painter, const QPolygon& outline, Look look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect box = outline.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    QColor edge = theme::kEdge;
    switch (look) {
        case Look::Normal:
            fill.setColorAt(0, QColor(0x20, 0x27, 0x31));
            fill.setColorAt(1, QColor(0x14, 0x19, 0x20));
            break;
        case Look::Hover:
            fill.setColorAt(0, QColor(0x1F, 0x3B, 0x4C));
            fill.setColorAt(1, QColor(0x15, 0x24, 0x30));
            edge = theme::kAccentLight;
            break;
        case Look::Pressed:
            fill.setColorAt(0, QColor(0x12, 0xA8, 0xDE));
            fill.setColorAt(1, QColor(0x00, 0x6E, 0xA0));
            edge = theme::kAccentLight;
            break;
    }
    painter.setBrush(fill);
    painter.setPen(QPen(edge, 1.2));
    painter.drawPolygon(outline);
    if (look == Look::Pressed) {
        // A bright rim along the top edge marks the selected element.
        painter.setPen(QPen(QColor(255, 255, 255, 160), 2));
        painter.drawLine(outline[0] + QPoint(2, 1), outline[1] + QPoint(-2, 1));
    }
    painter.restore();
}

void PaintStar(QPainter& painter, QPointF centre, qreal radius, QColor colour) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const qreal r = i % 2 ? radius * 0.45 : radius;
        star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(star);
    painter.restore();
}

void PaintCaption(QPainter& painter, const QRect& box, const QString& text, QColor colour, int pixelSize, bool chinese,
                  int weight) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = ArtFont(pixelSize, weight, chinese);
    if (!chinese) font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.restore();
}

void Save(const QString& root, const QString& relativePath, const QImage& image) {
    const int scale = qRound(image.devicePixelRatio());
    const QString path = QDir(root).filePath(QString::fromStdString(ScaledSkinFile(relativePath.toStdString(), scale)));
    QDir().mkpath(QFileInfo(path).absolutePath());
    // A BMP picture is opaque, and so is its 2x twin, though that one is stored as PNG.
    const bool opaque = QFileInfo(relativePath).suffix().toLower() == "bmp";
    const QImage stored = opaque ? image.convertToFormat(QImage::Format_RGB32) : image;
    if (!stored.save(path, QFileInfo(path).suffix().toLower() == "bmp" ? "BMP" : "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace oryn7px::skingen

namespace oryn7px::skingen {

QImage PageBackground(int scale, const std::vector<QRect>& panels) {
    const LayoutRect& area = main_window::kPageArea;
    QImage image = NewImage(scale, area.Width(), area.Height(), theme::kPanel);
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

}  // namespace oryn7px::skingen
