// The main settings page: its three state pictures per layout (panels, every control in its look,
// the mouse drawing with its hot spots) and the button-tab pictures 154–159. The captions are
// drawn at run time in the UI language; only the report rates' numbers are in the pictures.
#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>

#include "art.h"
#include "core/layout/main_page_layout.h"
#include "theme.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px::skingen {

namespace {

namespace mp = main_page;

// Numbers with a unit, the same in every language.
const std::array<const char*, 4> kRateLabels{"125Hz", "250Hz", "500Hz", "1000Hz"};

QRect R(const LayoutRect& r) { return ToQRect(r); }

void Text(QPainter& painter, const QRect& box, const QString& text, QColor colour, int pixelSize) {
    painter.save();
    painter.setFont(ArtFont(pixelSize, 400));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.restore();
}

void Panel(QPainter& painter, const QRect& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(theme::kEdge, 1));
    painter.setBrush(theme::kPanelRaised);
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.restore();
}

// The accent bar in front of a section heading, inside its title hot area.
void AccentBar(QPainter& painter, const LayoutRect& area) {
    const QRect box = R(area);
    painter.fillRect(QRect(box.left(), box.top() + 5, 3, box.height() - 10), theme::kAccent);
}

void Track(QPainter& painter, const QRect& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF groove(box.left(), box.center().y() - 2, box.width(), 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x0B, 0x0F, 0x14));
    painter.drawRoundedRect(groove, 2, 2);
    painter.setBrush(QColor(0, 147, 209, 90));
    painter.drawRoundedRect(groove.adjusted(0, 1, 0, -1), 1, 1);
    painter.restore();
}

// A square box (check box) or a round one (radio) at the left of `box`, optionally with a label.
void Choice(QPainter& painter, const QRect& box, Look look, bool round, const QString& label = {}) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min({box.height(), 14, box.width()});
    const QRectF mark(box.left() + (box.width() < 24 ? (box.width() - side) / 2.0 : 1.0),
                      box.top() + (box.height() - side) / 2.0, side, side);
    const QColor edge = look == Look::Normal ? QColor(0x5A, 0x66, 0x74) : theme::kAccentLight;
    painter.setPen(QPen(edge, 1.4));
    painter.setBrush(look == Look::Hover ? QColor(0x1F, 0x3B, 0x4C) : QColor(0x10, 0x14, 0x1A));
    if (round) {
        painter.drawEllipse(mark.adjusted(0.7, 0.7, -0.7, -0.7));
    } else {
        painter.drawRoundedRect(mark.adjusted(0.7, 0.7, -0.7, -0.7), 3, 3);
    }
    if (look == Look::Pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(theme::kAccentLight);
        if (round) {
            painter.drawEllipse(mark.adjusted(3.5, 3.5, -3.5, -3.5));
        } else {
            QPainterPath tick;
            tick.moveTo(mark.left() + side * 0.22, mark.top() + side * 0.52);
            tick.lineTo(mark.left() + side * 0.42, mark.top() + side * 0.74);
            tick.lineTo(mark.left() + side * 0.80, mark.top() + side * 0.28);
            painter.setPen(QPen(theme::kAccentLight, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(tick);
        }
    }
    painter.restore();
    if (!label.isEmpty()) {
        const QColor ink = look == Look::Normal ? theme::kText : Qt::white;
        const QRect textBox = box.adjusted(side + 5, 0, 0, 0);
        int size = 12;
        while (size > 9 && QFontMetrics(ArtFont(size, 400)).horizontalAdvance(label) > textBox.width()) --size;
        Text(painter, textBox, label, ink, size);
    }
}

void Arrow(QPainter& painter, const QRect& box, bool up, Look look) {
    PaintFace(painter, box, look, 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(box).center();
    const qreal w = 3.5, h = 2.5;
    QPolygonF tip;
    if (up) {
        tip << QPointF(c.x() - w, c.y() + h) << QPointF(c.x() + w, c.y() + h) << QPointF(c.x(), c.y() - h);
    } else {
        tip << QPointF(c.x() - w, c.y() - h) << QPointF(c.x() + w, c.y() - h) << QPointF(c.x(), c.y() + h);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(look == Look::Pressed ? QColor(Qt::white) : theme::kAccentLight);
    painter.drawPolygon(tip);
    painter.restore();
}

// The mouse seen from above; the markers sit on its buttons.
void MouseDrawing(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.moveTo(808, 96);
    body.cubicTo(760, 96, 736, 130, 734, 190);
    body.cubicTo(730, 260, 748, 330, 806, 338);
    body.cubicTo(864, 332, 880, 262, 876, 190);
    body.cubicTo(874, 130, 852, 96, 808, 96);
    QLinearGradient shell(QPointF(734, 96), QPointF(876, 338));
    shell.setColorAt(0, QColor(0x2C, 0x35, 0x41));
    shell.setColorAt(1, QColor(0x12, 0x16, 0x1C));
    painter.setPen(QPen(QColor(0x3C, 0x48, 0x56), 1.5));
    painter.setBrush(shell);
    painter.drawPath(body);
    painter.setPen(QPen(QColor(0x0A, 0x0D, 0x11), 2));
    painter.drawLine(QPointF(808, 98), QPointF(808, 136));
    painter.drawLine(QPointF(808, 200), QPointF(808, 232));
    painter.drawLine(QPointF(738, 214), QPointF(876, 214));
    // Wheel, DPI button and the two side buttons.
    painter.setPen(QPen(QColor(0x0A, 0x0D, 0x11), 1));
    painter.setBrush(QColor(0x3A, 0x44, 0x50));
    painter.drawRoundedRect(QRectF(800, 132, 16, 66), 7, 7);
    painter.setPen(QPen(QColor(0x55, 0x61, 0x6E), 1));
    for (int y = 138; y < 194; y += 5) painter.drawLine(QPointF(802, y), QPointF(814, y));
    painter.setBrush(QColor(0x2A, 0x32, 0x3C));
    painter.drawRoundedRect(QRectF(801, 204, 14, 20), 4, 4);
    painter.drawRoundedRect(QRectF(731, 220, 10, 22), 4, 4);
    painter.drawRoundedRect(QRectF(731, 256, 10, 34), 4, 4);
    // The logo glow at the palm.
    QRadialGradient glow(QPointF(806, 292), 26);
    glow.setColorAt(0, QColor(0, 147, 209, 150));
    glow.setColorAt(1, QColor(0, 147, 209, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(806, 292), 26, 26);
    painter.restore();
}

void Marker(QPainter& painter, const QRect& box, Look look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(box).center();
    const qreal r = std::min(box.width(), box.height()) / 2.0 - 2;
    if (look == Look::Pressed) {
        QRadialGradient glow(c, r + 2);
        glow.setColorAt(0, QColor(64, 196, 221, 230));
        glow.setColorAt(0.55, QColor(0, 147, 209, 180));
        glow.setColorAt(1, QColor(0, 147, 209, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(c, r + 2, r + 2);
        painter.setBrush(Qt::white);
        painter.drawEllipse(c, 2.5, 2.5);
    } else {
        painter.setPen(QPen(look == Look::Hover ? theme::kAccentLight : QColor(0x5A, 0x66, 0x74), 1.3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(c, std::min(r, 6.0), std::min(r, 6.0));
    }
    painter.restore();
}

void Tabs(QPainter& painter, Look look) {
    for (const LayoutQuad& tab : mp::kButtonTabs) PaintShape(painter, ToPolygon(tab), look);
}

// Everything that does not change with a control's state.
void PaintPage(QPainter& painter, const mp::Layout& layout) {
    PaintBackdrop(painter, QRect(0, 0, mp::kWidth, mp::kHeight));
    for (const QRect& panel : {QRect(18, 8, 680, 192), QRect(18, 203, 338, 100), QRect(364, 203, 334, 74),
                               QRect(18, 306, 338, 64), QRect(364, 280, 334, 120), QRect(706, 8, 210, 392)})
        Panel(painter, panel);
    for (const LayoutRect& area : mp::kTitleAreas) AccentBar(painter, area);
    for (int k = 0; k < 7; ++k) {
        Track(painter, R(layout.dpiSliders[static_cast<std::size_t>(k)]));
        const QRect value = R(layout.dpiValues[static_cast<std::size_t>(k)]);
        PaintInputField(painter, value);
    }
    Track(painter, R(layout.pointerSlider));
    Track(painter, R(layout.sensorSlider));
    PaintInputField(painter, R(layout.linesBox));
    MouseDrawing(painter);
    Tabs(painter, Look::Normal);
}

// The page in one state: every control shows `look`.
QImage PagePicture(int scale, const mp::Layout& layout, Look look) {
    QImage image = NewImage(scale, mp::kWidth, mp::kHeight, theme::kPanel);
    QPainter painter(&image);
    PaintPage(painter, layout);
    for (const LayoutRect& box : layout.dpiBoxes) Choice(painter, R(box), look, false);
    Choice(painter, R(layout.precisionBox), look, false);
    for (std::size_t r = 0; r < layout.reportRates.size(); ++r)
        Choice(painter, R(layout.reportRates[r]), look, true, kRateLabels[r]);
    Choice(painter, R(layout.linesRadio), look, true);
    Choice(painter, R(layout.screenRadio), look, true);
    Arrow(painter, R(layout.linesUp), true, look);
    Arrow(painter, R(layout.linesDown), false, look);
    for (const LayoutRect& marker : layout.markers) Marker(painter, R(marker), look);
    return image;
}

// The page as the normal picture shows it, with the eight tabs in `look`: the slider tracks
// take their background from the pressed one.
QImage TabsPicture(int scale, const mp::Layout& layout, Look look) {
    QImage image = PagePicture(scale, layout, Look::Normal);
    QPainter painter(&image);
    Tabs(painter, look);
    return image;
}

}  // namespace

void DrawMainPage(const QString& root, int scale) {
    for (const bool chinese : {false, true}) {
        const mp::Layout& layout = mp::LayoutFor(chinese);
        const StatePictures& pictures = mp::PicturesFor(chinese);
        Save(root, pictures.normal, PagePicture(scale, layout, Look::Normal));
        Save(root, pictures.down, PagePicture(scale, layout, Look::Pressed));
        Save(root, pictures.over, PagePicture(scale, layout, Look::Hover));
        const std::array<int, 4>& resources = chinese ? mp::kTabPicturesChinese : mp::kTabPicturesOther;
        Save(root, ResourceRelativePath(resources[0]), TabsPicture(scale, layout, Look::Normal));
        Save(root, ResourceRelativePath(resources[1]), TabsPicture(scale, layout, Look::Pressed));
        Save(root, ResourceRelativePath(resources[2]), TabsPicture(scale, layout, Look::Hover));
    }
}

}  // namespace oryn7px::skingen
