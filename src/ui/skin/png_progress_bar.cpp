#include "ui/skin/png_progress_bar.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/base/messages.h"
#include "core/layout/skin_arithmetic.h"
#include "ui/skin/accessible_notify.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_scale.h"

namespace oryn7px {

CPngHProgressBar::CPngHProgressBar(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void CPngHProgressBar::Create(const QRect& rect, QWidget* parent, int controlId) {
    setParent(parent);
    setGeometry(rect);
    nControlId_ = controlId;
    show();
}

void CPngHProgressBar::SetPictures(const QRect& rect, const QImage& background, const QImage& fill) {
    background_ = CutPicture(background, rect);
    fill_ = CutPicture(fill, rect);
    update();
}

void CPngHProgressBar::SetRange(int minimum, int maximum) {
    nMinimum_ = minimum;
    nMaximum_ = maximum;
    update();
}

void CPngHProgressBar::SetPos(int pos) {
    const bool moved = pos != nPos_;
    nPos_ = pos;
    repaint();
    if (moved) AnnounceValueChange(this, nPos_);
}

void CPngHProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    painter.drawImage(rect(), background_);
    const int fillWidth = ProgressFillWidth(width(), nMinimum_, nMaximum_, nPos_);
    if (fillWidth > 0 && !fill_.isNull()) {
        const QRect part(0, 0, fillWidth, height());
        const QRectF source(0, 0, fill_.width() * double(fillWidth) / width(), fill_.height());
        painter.drawImage(part, fill_, source);
    }
}

void CPngHProgressBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) bDragging_ = true;
}

void CPngHProgressBar::mouseMoveEvent(QMouseEvent* event) {
    if (bDragging_) DragTo(event->position().toPoint());
}

void CPngHProgressBar::mouseReleaseEvent(QMouseEvent* event) {
    if (!bDragging_) return;
    DragTo(event->position().toPoint());
    bDragging_ = false;
    PostMessageTo(parent(), {UM_PROGRESS_DRAGGED, static_cast<uintptr_t>(nPos_), nControlId_});
}

void CPngHProgressBar::focusOutEvent(QFocusEvent* event) {
    bDragging_ = false;
    QWidget::focusOutEvent(event);
}

void CPngHProgressBar::DragTo(const QPoint& pos) {
    SetPos(ProgressValueFromX(pos.x(), 0, width(), nMinimum_, nMaximum_));
}

}  // namespace oryn7px
