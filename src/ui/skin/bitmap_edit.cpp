#include "ui/skin/bitmap_edit.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include "ui/skin/focus_mark.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

CBitmapEdit::CBitmapEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setMaxLength(256);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, QColor(0x58, 0x5F, 0x67));
    setPalette(colours);
    SetFontHeight(14);
}

void CBitmapEdit::Create(const QRect& rect, QWidget* parent, int controlId) {
    setParent(parent);
    setGeometry(rect);
    nControlId_ = controlId;
    show();
}

void CBitmapEdit::SetRange(int minimum, int maximum) {
    nMinimum_ = minimum;
    nMaximum_ = maximum;
}

void CBitmapEdit::SetFontHeight(int pixels) { setFont(SkinFont(QStringLiteral("MS Shell Dlg"), pixels, 500)); }

void CBitmapEdit::SetBackground(const QRect& rect, const QImage& pagePicture) {
    QPalette colours = palette();
    colours.setBrush(QPalette::Base, QBrush(QPixmap::fromImage(CutPicture(pagePicture, rect))));
    setPalette(colours);
}

void CBitmapEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!ShowsFocusMark(this)) return;
    QPainter painter(this);
    PaintFocusMark(painter, rect());
}

}  // namespace oryn7px
