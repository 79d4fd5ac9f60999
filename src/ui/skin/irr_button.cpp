#include "ui/skin/irr_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include "core/base/messages.h"
#include "ui/skin/focus_chain.h"
#include "ui/skin/focus_mark.h"
#include "ui/skin/accessible_notify.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

CIrrButton::CIrrButton(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void CIrrButton::SetPictures(const QImage& normal, const QImage& pressed, const QImage& hover,
                             const QImage& disabled) {
    // Until Create gives the button its box, the full pictures wait; then only the box is kept.
    pictures_ = {normal, pressed, hover, disabled};
    bPicturesCut_ = false;
    if (!outline_.isEmpty()) CutPictures();
    update();
}

void CIrrButton::CutPictures() {
    if (bPicturesCut_) return;
    for (QImage& picture : pictures_) picture = CutPicture(picture, geometry());
    bPicturesCut_ = true;
}

void CIrrButton::SetPictures(const std::array<int, 4>& resourceNumbers) {
    SetPictures(LoadResource(resourceNumbers[0]), LoadResource(resourceNumbers[1]), LoadResource(resourceNumbers[2]),
                LoadResource(resourceNumbers[3]));
}

void CIrrButton::Create(const QPolygon& outline, QWidget* parent) {
    setParent(parent);
    const QRect box = outline.boundingRect();
    setGeometry(box);
    outline_ = outline.translated(-box.topLeft());
    setMask(QRegion(outline_));
    CutPictures();
    show();
}

void CIrrButton::Create(const LayoutQuad& outline, QWidget* parent) {
    QPolygon polygon;
    for (const LayoutPoint& p : outline) polygon << QPoint(p.x, p.y);
    Create(polygon, parent);
}

void CIrrButton::SetHighlightMode(bool on) {
    bHighlightMode_ = on;
    update();
}

void CIrrButton::SetHighlighted(bool highlighted) {
    const bool changed = highlighted != bHighlighted_;
    bHighlighted_ = highlighted;
    setDown(false);
    if (QWidget::mouseGrabber() == this) releaseMouse();
    update();
    if (changed) {
        QAccessible::State shown;
        shown.checked = true;
        shown.selected = true;
        AnnounceStateChange(this, shown);
    }
}

void CIrrButton::SetTooltip(const QString& text, bool active) {
    const QString shown = active ? text : QString();
    if (shown == toolTip()) return;
    setToolTip(shown);
    AnnounceNameChange(this);
}

int CIrrButton::CurrentPicture() const {
    if (bHighlightMode_) return bHighlighted_ ? 1 : (bHover_ ? 2 : 0);
    if (!isEnabled()) return 3;
    if (isDown()) return 1;
    return bHover_ ? 2 : 0;
}

bool CIrrButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos) && outline_.containsPoint(pos, Qt::OddEvenFill);
}

void CIrrButton::paintEvent(QPaintEvent*) {
    const QImage& picture = pictures_[CurrentPicture()];
    if (picture.isNull()) return;
    QPainter painter(this);
    SmoothScaledPictures(painter);
    painter.setClipRegion(QRegion(outline_));
    painter.drawImage(QPoint(0, 0), picture);
    // In picture order: normal, pressed, hover, disabled.
    constexpr std::array<CaptionState, 4> kStates{CaptionState::Normal, CaptionState::Pressed, CaptionState::Hover,
                                                  CaptionState::Disabled};
    caption_.Paint(painter, kStates[static_cast<std::size_t>(CurrentPicture())]);
    if (ShowsFocusMark(this)) PaintFocusMark(painter, outline_);
}

void CIrrButton::SetCaption(const ShownCaption& caption) {
    const bool renamed = caption.text != caption_.text;
    caption_ = caption;
    update();
    if (renamed) AnnounceNameChange(this);
}

void CIrrButton::Activate() { PostMessageTo(parent(), {WM_COMMAND, 0, WindowHandle(this)}); }

void CIrrButton::mousePressEvent(QMouseEvent* event) {
    // The owner acts on the press, not on the release.
    if (event->button() == Qt::LeftButton && hitButton(event->position().toPoint())) Activate();
    QAbstractButton::mousePressEvent(event);
}

void CIrrButton::keyPressEvent(QKeyEvent* event) {
    // The arrows belong to the window's keyboard order, not to Qt's button groups.
    if (IsArrowKey(event->key())) {
        event->ignore();
        return;
    }
    if (event->key() != Qt::Key_Space) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) setDown(true);
}

void CIrrButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QAbstractButton::keyReleaseEvent(event);
        return;
    }
    // Space acts once it is up: what it opens (the key-assignment popup) must not hear its release.
    if (event->isAutoRepeat() || !isDown()) return;
    setDown(false);
    Activate();
}

void CIrrButton::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void CIrrButton::mouseMoveEvent(QMouseEvent* event) {
    TrackHover(event->position().toPoint());
    QAbstractButton::mouseMoveEvent(event);
}

void CIrrButton::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractButton::mouseReleaseEvent(event);
    TrackHover(event->position().toPoint());
}

void CIrrButton::leaveEvent(QEvent* event) {
    TrackHover(QPoint(-1, -1));
    QAbstractButton::leaveEvent(event);
}

void CIrrButton::TrackHover(const QPoint& pos) {
    const bool inside = hitButton(pos);
    if (inside == bHover_) return;
    bHover_ = inside;
    update();
}

}  // namespace oryn7px
