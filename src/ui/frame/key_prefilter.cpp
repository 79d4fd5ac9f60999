#include "ui/frame/key_prefilter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

#include "ui/skin/edit_keys.h"

namespace oryn7px {

KeyPreFilter::KeyPreFilter(QWidget* mainWindow, Actions actions)
    : QObject(mainWindow), mainWindow_(mainWindow), actions_(std::move(actions)) {
    qApp->installEventFilter(this);
}

KeyPreFilter::~KeyPreFilter() { qApp->removeEventFilter(this); }

bool KeyPreFilter::BelongsToMainWindow(QObject* watched) const {
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && widget->window() == mainWindow_;
}

bool KeyPreFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) ||
        !BelongsToMainWindow(watched)) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // An in-place edit box commits with Enter and cancels with Escape, and takes a typed space.
    const bool editBox = watched->property(kTakesEditKeys).toBool();
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            if (!editBox) return true;
            break;
        case Qt::Key_Space:
            if (editBox) break;
            if (!qobject_cast<QAbstractButton*>(watched) || actions_.pageTakesKeys()) return true;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (actions_.pageTakesKeys()) return true;
            break;
        default: break;
    }
    if (type == QEvent::KeyRelease) lastApplyKey_ = nullptr;
    if (type != QEvent::KeyPress || !(key->modifiers() & Qt::AltModifier) || key->isAutoRepeat()) return false;
    if (key->key() == Qt::Key_F4) {
        actions_.hide();
        return true;
    }
    // Alt+G applies and then goes on as an ordinary key; a key a child ignores travels on to its
    // parents, so act on it once (a release always comes between two presses).
    if (key->key() == Qt::Key_G && key != lastApplyKey_) {
        lastApplyKey_ = key;
        actions_.apply();
    }
    return false;
}

}  // namespace oryn7px
