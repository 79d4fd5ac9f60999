// The key-assignment popup: its frame and the pictures of its four tab windows, each in the
// three looks (normal, pressed, hover).
#include <QPainterPath>
#include <functional>

#include "art.h"
#include "core/layout/setting_popup_layout.h"
#include "theme.h"

namespace oryn7px::skingen {

namespace {

namespace sp = setting_popup;

const QColor kHeader{0xE8, 0xED, 0xF2};
const QColor kBody{0x1A, 0x20, 0x28};

QRect R(const LayoutRect& r) { return ToQRect(r); }

void Box(QPainter& painter, const QRect& box, Look look, bool round) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF mark = QRectF(box).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(look == Look::Normal ? QColor(0x5A, 0x66, 0x74) : theme::kAccentLight, 1.4));
    painter.setBrush(look == Look::Hover ? QColor(0x1F, 0x3B, 0x4C) : QColor(0x10, 0x14, 0x1A));
    if (round) {
        painter.drawEllipse(mark);
    } else {
        painter.drawRoundedRect(mark, 3, 3);
    }
    if (look == Look::Pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(theme::kAccentLight);
        if (round) {
            painter.drawEllipse(mark.adjusted(3.5, 3.5, -3.5, -3.5));
        } else {
            painter.drawRoundedRect(mark.adjusted(3, 3, -3, -3), 1.5, 1.5);
        }
    }
    painter.restore();
}

// A tab button: light when resting, so its dark caption reads; the accent when hovered or chosen.
void TabFace(QPainter& painter, const QRect& box, Look look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    const QRectF f = QRectF(box).adjusted(0.5, 0.5, -0.5, 0);
    shape.moveTo(f.left(), f.bottom());
    shape.lineTo(f.left(), f.top() + 5);
    shape.quadTo(f.left(), f.top(), f.left() + 5, f.top());
    shape.lineTo(f.right() - 5, f.top());
    shape.quadTo(f.right(), f.top(), f.right(), f.top() + 5);
    shape.lineTo(f.right(), f.bottom());
    const QColor fill = look == Look::Normal ? QColor(0xC9, 0xD2, 0xDB) : (look == Look::Hover ? theme::kAccentLight : theme::kAccent);
    painter.setPen(QPen(look == Look::Normal ? QColor(0x8A, 0x96, 0xA3) : theme::kAccentLight, 1));
    painter.setBrush(fill);
    painter.drawPath(shape);
    painter.restore();
}

void Cross(QPainter& painter, const QRect& box, Look look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (look != Look::Normal) painter.fillRect(box, look == Look::Hover ? QColor(0xE0, 0x4A, 0x4A) : QColor(0xA8, 0x2E, 0x2E));
    const QPointF c = QRectF(box).center();
    painter.setPen(QPen(look == Look::Normal ? QColor(0x53, 0x61, 0x67) : QColor(Qt::white), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    painter.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    painter.restore();
}

QImage FramePicture(int scale, Look look) {
    QImage image = NewImage(scale, sp::kWidth, sp::kHeight, kBody);
    QPainter painter(&image);
    PaintBackdrop(painter, DrawingArea(image));
    // The title sits on a light strip; the current-function line below it on the dark body.
    painter.fillRect(QRect(0, 0, sp::kWidth, 17), kHeader);
    painter.fillRect(QRect(0, 17, sp::kWidth, 1), theme::kAccent);
    painter.fillRect(QRect(0, 64, sp::kWidth, 2), theme::kAccent);
    painter.setPen(theme::kEdge);
    painter.drawRect(DrawingArea(image).adjusted(0, 0, -1, -1));
    // The tab page area is a sunken panel the tab windows cover.
    painter.fillRect(R(sp::kTabPageArea).adjusted(-3, -3, 3, 3), QColor(0x12, 0x17, 0x1E));
    Cross(painter, R(sp::kCloseButton), look);
    for (const LayoutRect& tab : sp::kTabs) TabFace(painter, R(tab), look);
    Box(painter, R(sp::kDisableBox), look, false);
    PaintFace(painter, R(sp::kDefaultButton).adjusted(2, 2, -2, -2), look == Look::Pressed ? Look::Hover : look);
    PaintFace(painter, R(sp::kOkButton).adjusted(2, 2, -2, -2), look == Look::Normal ? Look::Hover : Look::Pressed);
    return image;
}

QImage TabWindow(int scale, const std::function<void(QPainter&)>& paint) {
    const QRect area = R(sp::kTabPageArea);
    QImage image = NewImage(scale, area.width(), area.height(), QColor(0x12, 0x17, 0x1E));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter);
    return image;
}

QImage KeyTab(int scale, Look look) {
    return TabWindow(scale, [look](QPainter& painter) {
        painter.setFont(ArtFont(12, 600));
        for (std::size_t i = 0; i < sp::kModifierBoxes.size(); ++i) {
            const QRect box = R(sp::kModifierBoxes[i]);
            Box(painter, box, look, false);
            painter.setPen(theme::kText);
            painter.drawText(QRect(box.right() + 10, box.top() - 3, 60, box.height() + 6), Qt::AlignLeft | Qt::AlignVCenter,
                             sp::kModifierNames[i]);
        }
        painter.setPen(theme::kAccentLight);
        painter.setFont(ArtFont(16, 800));
        painter.drawText(QRect(130, 76, 30, 24), Qt::AlignCenter, "+");
        PaintInputField(painter, R(sp::kKeyName).adjusted(-4, -4, 4, 4));
    });
}

// The lists paint their own rows; the picture only frames them, the same in every look.
QImage ListTab(int scale, std::initializer_list<LayoutRect> lists) {
    return TabWindow(scale, [lists](QPainter& painter) {
        for (const LayoutRect& list : lists) {
            painter.setPen(theme::kEdge);
            painter.setBrush(QColor(0x1E, 0x25, 0x2E));
            painter.drawRect(R(list).adjusted(0, 0, -1, -1));
        }
    });
}

QImage HostTab(int scale, Look look) {
    return TabWindow(scale, [look](QPainter& painter) {
        for (std::size_t row = 0; row < sp::kHostRadios.size(); ++row) {
            Box(painter, R(sp::kHostRadios[row]), look, true);
            PaintInputField(painter, R(sp::kHostPaths[row]).adjusted(-3, -2, 3, 2));
            PaintFace(painter, R(sp::kHostBrowse[row]), look);
        }
    });
}

}  // namespace

void DrawSettingPopup(const QString& root, int scale) {
    const std::pair<const StatePictures*, std::function<QImage(Look)>> windows[] = {
        {&sp::kFramePictures, [scale](Look look) { return FramePicture(scale, look); }},
        {&sp::kKeyPictures, [scale](Look look) { return KeyTab(scale, look); }},
        {&sp::kMacroPictures, [scale](Look) { return ListTab(scale, {sp::kGameList, sp::kMacroList}); }},
        {&sp::kBasicPictures, [scale](Look) { return ListTab(scale, {sp::kBasicList}); }},
        {&sp::kHostPictures, [scale](Look look) { return HostTab(scale, look); }},
    };
    for (const auto& [pictures, draw] : windows) {
        Save(root, pictures->normal, draw(Look::Normal));
        Save(root, pictures->down, draw(Look::Pressed));
        Save(root, pictures->over, draw(Look::Hover));
    }
}

}  // namespace oryn7px::skingen
