#pragma once
// Posted messages in the GUI: a custom QEvent carries the Message to a QObject, and a window
// lists its handlers in one table (its message map).
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/base/message.h"

namespace oryn7px {

class MessageEvent final : public QEvent {
public:
    explicit MessageEvent(const Message& message) : QEvent(Type()), message_(message) {}
    static QEvent::Type Type();
    const Message& message() const { return message_; }

private:
    Message message_;
};

// Queues the message for the receiver's thread; safe from any thread.
void PostMessageTo(QObject* receiver, const Message& message);
// Delivers the message at once, on the caller's thread (the receiver must live there).
void SendMessageTo(QObject* receiver, const Message& message);

// What a window passes as "its window handle" in a message parameter.
inline intptr_t WindowHandle(const QObject* object) { return reinterpret_cast<intptr_t>(object); }

// Windows-style packing of two 16-bit halves.
inline intptr_t MakeLParam(int low, int high) {
    return static_cast<intptr_t>((static_cast<uint32_t>(high & 0xFFFF) << 16) | static_cast<uint32_t>(low & 0xFFFF));
}

// A MessageTarget for threads and core code that must reach a window. The receiver must
// outlive everyone who posts through this target.
class QtMessageTarget final : public MessageTarget {
public:
    explicit QtMessageTarget(QObject* receiver) : receiver_(receiver) {}
    void Post(const Message& message) override { PostMessageTo(receiver_, message); }

private:
    QObject* receiver_;
};

// Usage in a window class:
//   static const MessageMap<CMyDlg> kMessageMap{{UM_SHOW_HINT, &CMyDlg::OnShowHint}, ...};
//   bool event(QEvent* e) override { return kMessageMap.Dispatch(*this, e) || QWidget::event(e); }
template <class Window>
class MessageMap {
public:
    using Handler = void (Window::*)(const Message&);

    MessageMap(std::initializer_list<std::pair<uint32_t, Handler>> entries) : entries_(entries) {}

    // True when the event was a message this map handles.
    bool Dispatch(Window& window, QEvent* event) const {
        if (event->type() != MessageEvent::Type()) return false;
        const Message& message = static_cast<MessageEvent*>(event)->message();
        for (const auto& [number, handler] : entries_) {
            if (number == message.msg) {
                (window.*handler)(message);
                return true;
            }
        }
        return false;
    }

private:
    std::vector<std::pair<uint32_t, Handler>> entries_;
};

}  // namespace oryn7px
