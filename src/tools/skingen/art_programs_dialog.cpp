// The dialog "Programs for profile N" in its three looks (normal, pressed, hover): a body like
// the message boxes', a sunken frame for the list, the name field, two tick boxes, and the
// buttons Add, OK and Cancel.
#include "art.h"
#include "core/layout/programs_dialog_layout.h"
#include "theme.h"

namespace oryn7px::skingen {

namespace {

namespace pd = programs_dialog;

QRect R(const LayoutRect& r) { return ToQRect(r); }

void CloseCross(QPainter& painter, const QRect& box, Look look) {
    if (look != Look::Normal) PaintFace(painter, QRectF(box).adjusted(3, 4, -3, -4), look, 3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look == Look::Normal ? theme::kTextDim : Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = QRectF(box).center();
    painter.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    painter.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    painter.restore();
}

// A check box row: the box at its left, vertically centred; the caption is drawn at run time.
void ChoiceBox(QPainter& painter, const LayoutRect& row, Look look) {
    const QRect box = R(row);
    const int top = box.top() + (box.height() - pd::kTickBoxSize) / 2;
    PaintTickBox(painter, QRectF(box.left(), top, pd::kTickBoxSize, pd::kTickBoxSize), look, look == Look::Pressed);
}

QImage DialogPicture(int scale, Look look) {
    QImage image = NewImage(scale, pd::kWidth, pd::kHeight);
    QPainter painter(&image);
    const QRect area = DrawingArea(image);
    PaintBackdrop(painter, area);
    painter.fillRect(QRect(0, 0, pd::kWidth, pd::kTitleBarHeight), QColor(0x0A, 0x0D, 0x11, 220));
    painter.fillRect(QRect(0, pd::kTitleBarHeight, pd::kWidth, 1), theme::kAccent);
    painter.setPen(QPen(theme::kEdge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));
    CloseCross(painter, R(pd::kCloseButton), look);
    // The list paints its own rows; the frame around it, and the scroll bar's room, are the same in every look.
    painter.setPen(theme::kEdge);
    painter.setBrush(QColor(0x12, 0x17, 0x1E));
    painter.drawRect(QRectF(R(pd::kList)).adjusted(-2.5, -2.5, 1.5, 1.5));
    PaintInputField(painter, R(pd::kNameBox).adjusted(-3, -2, 3, 2));
    PaintFace(painter, R(pd::kAddButton).adjusted(2, 2, -2, -2), look);
    ChoiceBox(painter, pd::kDefaultBox, look);
    ChoiceBox(painter, pd::kFollowBox, look);
    PaintFace(painter, R(pd::kOkButton).adjusted(2, 2, -2, -2), look == Look::Normal ? Look::Hover : Look::Pressed);
    PaintFace(painter, R(pd::kCancelButton).adjusted(2, 2, -2, -2), look);
    return image;
}

}  // namespace

void DrawProgramsDialog(const QString& root, int scale) {
    Save(root, pd::kPictures.normal, DialogPicture(scale, Look::Normal));
    Save(root, pd::kPictures.down, DialogPicture(scale, Look::Pressed));
    Save(root, pd::kPictures.over, DialogPicture(scale, Look::Hover));
}

}  // namespace oryn7px::skingen
