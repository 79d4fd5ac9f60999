#include "ui/skin/gdi_bitmap_btn.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/base/messages.h"
#include "ui/skin/focus_chain.h"
#include "ui/skin/focus_mark.h"
#include "ui/skin/accessible_notify.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace {

const QColor kDisabledText{0x26, 0x2A, 0x27};

static_assert(static_cast<int>(ButtonLook::Hover) == static_cast<int>(CaptionState::Hover) &&
                  static_cast<int>(ButtonLook::Pressed) == static_cast<int>(CaptionState::Pressed) &&
                  static_cast<int>(ButtonLook::Disabled) == static_cast<int>(CaptionState::Disabled),
              "a look draws its caption in the same state");

}  // namespace

ButtonLook ChooseButtonLook(bool checkDisplay, bool checked, bool beingPressed, bool hover, bool enabled) {
    if ((checkDisplay && checked) || (!checkDisplay && beingPressed)) return ButtonLook::Pressed;
    if (hover) return ButtonLook::Hover;
    if (!enabled) return ButtonLook::Disabled;
    return ButtonLook::Normal;
}

CGDIBitmapBtn::CGDIBitmapBtn(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void CGDIBitmapBtn::Create(const QRect& rect, QWidget* parent, int controlId) {
    setParent(parent);
    setGeometry(rect);
    nControlId_ = controlId;
    show();
}

void CGDIBitmapBtn::SetPictures(const QRect& rect, const QImage& normal, const QImage& hover,
                                const QImage& pressed, const QImage& disabled) {
    // In ButtonLook order. Looks cut from one picture share one piece: many controls show the
    // same picture in several looks, and every piece is kept for the life of the window.
    const std::array<const QImage*, 4> sources{&normal, &hover, &pressed, &disabled};
    for (std::size_t look = 0; look < sources.size(); ++look) {
        std::size_t same = 0;
        while (same < look && sources[same]->cacheKey() != sources[look]->cacheKey()) ++same;
        pictures_[look] = same < look ? pictures_[same] : CutPicture(*sources[look], rect);
    }
    update();
}

void CGDIBitmapBtn::SetMode(bool checkDisplay, bool toggleOnClick) {
    bCheckDisplay_ = checkDisplay;
    bToggleOnClick_ = toggleOnClick;
    update();
}

void CGDIBitmapBtn::SetChecked(bool checked) {
    if (checked == bChecked_) return;
    bChecked_ = checked;
    update();
    AnnounceCheckedChange();
}

void CGDIBitmapBtn::SetText(const QString& text) {
    if (text == strText_) return;
    strText_ = text;
    update();
    AnnounceNameChange(this);
}

void CGDIBitmapBtn::SetTextColours(const QColor& normal, const QColor& hover, const QColor& pressed) {
    normalText_ = normal;
    hoverText_ = hover;
    pressedText_ = pressed;
    update();
}

void CGDIBitmapBtn::SetTooltip(const QString& text, bool active) {
    const QString shown = active ? text : QString();
    if (shown == toolTip()) return;
    setToolTip(shown);
    AnnounceNameChange(this);
}

void CGDIBitmapBtn::SetCaption(const ShownCaption& caption) {
    const bool renamed = caption.text != caption_.text;
    caption_ = caption;
    update();
    if (renamed) AnnounceNameChange(this);
}

QAccessible::Role CGDIBitmapBtn::Role() const {
    if (role_ != QAccessible::NoRole) return role_;
    return bCheckDisplay_ ? QAccessible::CheckBox : QAccessible::PushButton;
}

void CGDIBitmapBtn::AnnounceCheckedChange() {
    QAccessible::State changed;
    changed.checked = true;
    changed.selected = true;
    AnnounceStateChange(this, changed);
}

ButtonLook CGDIBitmapBtn::CurrentLook() const {
    return ChooseButtonLook(bCheckDisplay_, bChecked_, isDown(), bHover_, isEnabled());
}

void CGDIBitmapBtn::paintEvent(QPaintEvent*) {
    const ButtonLook look = CurrentLook();
    QPainter painter(this);
    SmoothScaledPictures(painter);
    const QImage& picture = pictures_[static_cast<int>(look)];
    if (!picture.isNull()) painter.drawImage(0, 0, picture);
    caption_.Paint(painter, static_cast<CaptionState>(look));
    if (ShowsFocusMark(this)) PaintFocusMark(painter, rect());
    if (strText_.isEmpty()) return;
    switch (look) {
        case ButtonLook::Pressed: painter.setPen(pressedText_); break;
        case ButtonLook::Hover: painter.setPen(hoverText_); break;
        case ButtonLook::Disabled: painter.setPen(kDisabledText); break;
        case ButtonLook::Normal: painter.setPen(normalText_); break;
    }
    const QRect textArea = rect().adjusted(8, 0, -5, 0);
    painter.setFont(FittingSkinFont(QStringLiteral("MS Shell Dlg"), 14, 8, 300, strText_, textArea.width()));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, strText_);
}

void CGDIBitmapBtn::OnPress() {
    if (bToggleOnClick_) {
        bChecked_ = !bChecked_;
        update();
        AnnounceCheckedChange();
    }
    if (bPressNotify_) PostMessageTo(parent(), {UM_BUTTON_MOUSE, WM_LBUTTONDOWN, WindowHandle(this)});
}

void CGDIBitmapBtn::OnRelease() {
    if (bPressNotify_) PostMessageTo(parent(), {UM_BUTTON_MOUSE, WM_LBUTTONUP, WindowHandle(this)});
}

void CGDIBitmapBtn::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (QWidget* top = window(); top && !top->isActiveWindow()) top->activateWindow();
        OnPress();
    }
    QAbstractButton::mousePressEvent(event);
}

void CGDIBitmapBtn::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) OnRelease();
    QAbstractButton::mouseReleaseEvent(event);
}

void CGDIBitmapBtn::keyPressEvent(QKeyEvent* event) {
    // The arrows belong to the window's keyboard order, not to Qt's button groups.
    if (IsArrowKey(event->key())) {
        event->ignore();
        return;
    }
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) OnPress();
    QAbstractButton::keyPressEvent(event);
}

void CGDIBitmapBtn::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown()) OnRelease();
    QAbstractButton::keyReleaseEvent(event);
}

void CGDIBitmapBtn::mouseMoveEvent(QMouseEvent* event) {
    // Pages show hints for whatever control the cursor is over.
    const QPoint inParent = mapToParent(event->position().toPoint());
    PostMessageTo(parent(), {WM_MOUSEMOVE, 0, MakeLParam(inParent.x(), inParent.y())});
    if (!(event->buttons() & Qt::LeftButton) || bHover_) SetHover(rect().contains(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
}

void CGDIBitmapBtn::enterEvent(QEnterEvent* event) {
    SetHover(true);
    QAbstractButton::enterEvent(event);
}

void CGDIBitmapBtn::leaveEvent(QEvent* event) {
    // While the left button is held the press keeps the button's look.
    if (!isDown()) SetHover(false);
    QAbstractButton::leaveEvent(event);
}

void CGDIBitmapBtn::focusOutEvent(QFocusEvent* event) {
    SetHover(false);
    QAbstractButton::focusOutEvent(event);
}

void CGDIBitmapBtn::SetHover(bool hover) {
    if (hover == bHover_) return;
    bHover_ = hover;
    update();
}

}  // namespace oryn7px
