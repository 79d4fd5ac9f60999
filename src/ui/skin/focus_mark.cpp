#include "ui/skin/focus_mark.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPolygon>
#include <QWidget>

#include "ui/skin/focus_chain.h"

namespace oryn7px {

namespace {

constexpr char kKeyboardInUse[] = "oryn7pxKeyboardInUse";
// The frame's accent, light enough to stand out on the selected tabs' blue too.
const QColor kMarkColour{0x5C, 0xE1, 0xFF};
constexpr int kMarkWidth = 2;

bool IsNavigationKey(int key) { return key == Qt::Key_Tab || key == Qt::Key_Backtab || IsArrowKey(key); }

}  // namespace

KeyboardUse::KeyboardUse(QWidget* window, bool inUse) : QObject(window), window_(window) {
    window_->setProperty(kKeyboardInUse, inUse);
    qApp->installEventFilter(this);
}

KeyboardUse::~KeyboardUse() { qApp->removeEventFilter(this); }

bool KeyboardUse::InUse(const QWidget* widget) {
    const QWidget* window = widget ? widget->window() : nullptr;
    return window != nullptr && window->property(kKeyboardInUse).toBool();
}

bool KeyboardUse::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::FocusIn) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    if (type == QEvent::KeyPress) {
        if (IsNavigationKey(static_cast<QKeyEvent*>(event)->key())) Set(true);
    } else if (type == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) Set(true);
    } else {
        Set(false);
    }
    return false;
}

void KeyboardUse::Set(bool inUse) {
    if (window_->property(kKeyboardInUse).toBool() == inUse) return;
    window_->setProperty(kKeyboardInUse, inUse);
    if (QWidget* focused = window_->focusWidget()) focused->update();
}

QColor FocusMarkColour() { return kMarkColour; }

bool ShowsFocusMark(const QWidget* control) { return control->hasFocus() && KeyboardUse::InUse(control); }

void PaintFocusMark(QPainter& painter, const QRect& box) {
    const QRect inner = box.adjusted(kMarkWidth, kMarkWidth, -kMarkWidth, -kMarkWidth);
    painter.fillRect(QRect(box.left(), box.top(), box.width(), kMarkWidth), kMarkColour);
    painter.fillRect(QRect(box.left(), inner.bottom() + 1, box.width(), kMarkWidth), kMarkColour);
    painter.fillRect(QRect(box.left(), inner.top(), kMarkWidth, inner.height()), kMarkColour);
    painter.fillRect(QRect(inner.right() + 1, inner.top(), kMarkWidth, inner.height()), kMarkColour);
}

void PaintFocusMark(QPainter& painter, const QPolygon& outline) {
    // A line twice as wide as the mark, centred on the outline and clipped to its inside.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRegion(QRegion(outline));
    painter.setPen(QPen(kMarkColour, 2 * kMarkWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
    painter.restore();
}

}  // namespace oryn7px
