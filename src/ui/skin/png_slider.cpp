#include "ui/skin/png_slider.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/base/messages.h"
#include "core/layout/skin_arithmetic.h"
#include "ui/skin/focus_mark.h"
#include "ui/skin/accessible_notify.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_scale.h"

namespace oryn7px {

namespace {

// The thumb picture's top-left colour is its transparent key.
QImage WithoutKeyColour(const QImage& picture) {
    QImage clear = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = clear.pixel(0, 0);
    for (int y = 0; y < clear.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(clear.scanLine(y));
        std::replace(line, line + clear.width(), key, QRgb{0});
    }
    return clear;
}

}  // namespace

CPngHSlider::CPngHSlider(QWidget* parent) : QWidget(parent) {}

void CPngHSlider::SetPicture(const QImage& picture) {
    if (picture.isNull()) {
        picture_ = QImage();
        return;
    }
    const QSize shown = LogicalSize(picture);
    resize(shown);
    // A widget's mask is in window units, coarser than the 2x set's pixels: the key colour is
    // looked up at the thumb's size on screen (nearest pixel, so no blend is taken for the key),
    // and the picture itself loses the key, so no key pixel shows inside the mask.
    const QImage mask = picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                            .convertToFormat(QImage::Format_ARGB32)
                            .createMaskFromColor(picture.pixel(0, 0), Qt::MaskInColor);
    setMask(QBitmap::fromImage(mask));
    picture_ = WithoutKeyColour(picture);
}

void CPngHSlider::SetTrack(const QRect& track) {
    track_ = track;
    SetPos(nPos_);
}

void CPngHSlider::SetRange(int minimum, int maximum) {
    nMinimum_ = minimum;
    nMaximum_ = maximum;
}

void CPngHSlider::SetPos(int pos) {
    if (pos < nMinimum_ || pos > nMaximum_) pos = nMinimum_;
    nPos_ = pos;
    const int left = SliderThumbLeft(track_.left(), track_.left() + track_.width(), width(), nMinimum_, nMaximum_, pos);
    move(left, track_.top() + track_.height() - height());
}

void CPngHSlider::SetReceiver(QObject* receiver, int controlId) {
    receiver_ = receiver;
    nControlId_ = controlId;
}

void CPngHSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    painter.drawImage(rect(), picture_);
}

void CPngHSlider::mousePressEvent(QMouseEvent* event) {
    if (bDisabled_ || event->button() != Qt::LeftButton) return;
    bDragging_ = true;
    nDragStartX_ = static_cast<int>(event->globalPosition().x());
    nDragStartLeft_ = x();
}

int CPngHSlider::ValueAtCursor(int globalX) const {
    // Measured from the drag start, so slow drags over wide steps still move the thumb.
    const int trackRight = track_.left() + track_.width();
    const int left = ClampThumbLeft(nDragStartLeft_ + globalX - nDragStartX_, track_.left(), trackRight, width());
    return SliderValueFromThumbLeft(left, track_.left(), trackRight, width(), nMinimum_, nMaximum_);
}

void CPngHSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!bDragging_ || bDisabled_) return;
    SetPos(ValueAtCursor(static_cast<int>(event->globalPosition().x())));
    SendMessageTo(receiver_, {UM_SLIDER_POS, static_cast<uintptr_t>(nPos_), nControlId_});
}

void CPngHSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (!bDragging_) return;
    bDragging_ = false;
    SetPos(ValueAtCursor(static_cast<int>(event->globalPosition().x())));
}

CPngHSliderBar::CPngHSliderBar(QWidget* parent) : QWidget(parent) {
    thumb_.SetReceiver(this, 0);
    // A click on the thumb gives the bar the focus.
    thumb_.setFocusPolicy(Qt::ClickFocus);
    thumb_.setFocusProxy(this);
}

void CPngHSliderBar::Create(const QString& thumbPictureFile, const QRect& rect, QWidget* parent, int controlId) {
    Create(QImage(thumbPictureFile), rect, parent, controlId);
}

void CPngHSliderBar::Create(const QImage& thumbPicture, const QRect& rect, QWidget* parent, int controlId) {
    setParent(parent);
    setGeometry(rect);
    nControlId_ = controlId;
    thumb_.setParent(parent);
    thumb_.SetPicture(thumbPicture);
    thumb_.SetReceiver(this, controlId);
    SetTrack(rect);
    show();
    thumb_.show();
    thumb_.raise();
}

void CPngHSliderBar::SetTrack(const QRect& track) {
    track_ = track;
    thumb_.SetTrack(track);
}

void CPngHSliderBar::SetRange(int minimum, int maximum) {
    nMinimum_ = minimum;
    nMaximum_ = maximum;
    thumb_.SetRange(minimum, maximum);
}

void CPngHSliderBar::SetBackground(const QRect& rect, const QImage& pageImage) {
    background_ = CutPicture(pageImage, rect);
    update();
}

void CPngHSliderBar::SetPos(int pos) {
    const int before = GetPos();
    thumb_.SetPos(pos);
    if (GetPos() != before) AnnouncePos();
}

void CPngHSliderBar::MoveTo(int pos) {
    SetPos(pos);
    PostMessageTo(parent(), {UM_SLIDER_POS, static_cast<uintptr_t>(GetPos()), nControlId_});
}

void CPngHSliderBar::AnnouncePos() { AnnounceValueChange(this, GetPos()); }

void CPngHSliderBar::Enable(bool enabled) {
    if (bDisabled_ == !enabled) return;
    bDisabled_ = !enabled;
    thumb_.SetDisabled(!enabled);
    QAccessible::State changed;
    changed.disabled = true;
    AnnounceStateChange(this, changed);
}

bool CPngHSliderBar::event(QEvent* event) {
    if (event->type() == MessageEvent::Type()) {
        const Message& m = static_cast<MessageEvent*>(event)->message();
        if (m.msg == UM_SLIDER_POS) {
            AnnouncePos();
            PostMessageTo(parent(), {UM_SLIDER_POS, m.wParam, nControlId_});
            return true;
        }
    }
    return QWidget::event(event);
}

void CPngHSliderBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    if (!background_.isNull()) painter.drawImage(rect(), background_);
    if (ShowsFocusMark(this)) PaintFocusMark(painter, rect());
}

void CPngHSliderBar::mousePressEvent(QMouseEvent* event) {
    if (bDisabled_ || event->button() != Qt::LeftButton) return;
    const int x = mapToParent(event->position().toPoint()).x() - track_.left();
    MoveTo(SliderValueFromClick(x, track_.left(), track_.left() + track_.width(), nMinimum_, nMaximum_));
}

void CPngHSliderBar::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down: step = -1; break;
        case Qt::Key_Right:
        case Qt::Key_Up: step = 1; break;
        default: QWidget::keyPressEvent(event); return;
    }
    if (bDisabled_) return;
    const int value = std::clamp(GetPos() + step, nMinimum_, nMaximum_);
    if (value != GetPos()) MoveTo(value);
}

}  // namespace oryn7px
