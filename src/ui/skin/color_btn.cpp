#include "ui/skin/color_btn.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/base/messages.h"
#include "ui/skin/focus_chain.h"
#include "ui/skin/focus_mark.h"
#include "ui/skin/accessible_notify.h"
#include "ui/skin/message_event.h"

namespace oryn7px {

CColorBtn::CColorBtn(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CColorBtn::SetColour(const QColor& colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
    // The colour is read out with the button's name.
    AnnounceNameChange(this);
    AnnounceDescriptionChange(this);
}

void CColorBtn::SetTooltip(const QString& text, bool active) {
    const QString shown = active ? text : QString();
    if (shown == toolTip()) return;
    setToolTip(shown);
    AnnounceNameChange(this);
}

void CColorBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    if (ShowsFocusMark(this)) PaintFocusMark(painter, rect());
}

void CColorBtn::mouseMoveEvent(QMouseEvent* event) {
    const QPoint inParent = mapToParent(event->position().toPoint());
    PostMessageTo(parent(), {WM_MOUSEMOVE, 0, MakeLParam(inParent.x(), inParent.y())});
    QAbstractButton::mouseMoveEvent(event);
}

void CColorBtn::keyPressEvent(QKeyEvent* event) {
    // The arrows belong to the window's keyboard order, not to Qt's button groups.
    if (IsArrowKey(event->key())) {
        event->ignore();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CColorBtn::enterEvent(QEnterEvent* event) {
    bHover_ = true;
    QAbstractButton::enterEvent(event);
}

void CColorBtn::leaveEvent(QEvent* event) {
    bHover_ = false;
    QAbstractButton::leaveEvent(event);
}

}  // namespace oryn7px
