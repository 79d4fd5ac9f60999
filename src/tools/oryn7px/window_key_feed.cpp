#include "window_key_feed.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace oryn7px {

WindowKeyFeed::WindowKeyFeed(InputHookSink& sink) : sink_(sink) { QCoreApplication::instance()->installEventFilter(this); }

bool WindowKeyFeed::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A key event reaches its window first and then propagates through widgets: take it once,
    // at the window. Both xcb and Wayland give the X key code (evdev + 8) as the scan code.
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWindowType()) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        // A held key repeats as presses, as the system's hooks report it.
        if (type == QEvent::KeyRelease && key->isAutoRepeat()) return false;
        if (const auto hook = keys_.Translate(key->nativeScanCode(), type == QEvent::KeyPress))
            sink_.KeyboardProc(hook->virtualKey, hook->flags);
    }
    return false;
}

}  // namespace oryn7px
