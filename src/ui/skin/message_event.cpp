#include "ui/skin/message_event.h"

namespace oryn7px {

QEvent::Type MessageEvent::Type() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostMessageTo(QObject* receiver, const Message& message) {
    if (receiver) QCoreApplication::postEvent(receiver, new MessageEvent(message));
}

void SendMessageTo(QObject* receiver, const Message& message) {
    if (!receiver) return;
    MessageEvent event(message);
    QCoreApplication::sendEvent(receiver, &event);
}

}  // namespace oryn7px
