#include "ui/frame/qt_answer_timer.h"

#include <QThread>

namespace oryn7px {

QtAnswerTimer::QtAnswerTimer(std::function<void()> onExpiry) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [onExpiry = std::move(onExpiry)] { onExpiry(); });
}

void QtAnswerTimer::Start(uint32_t milliseconds) { timer_.start(static_cast<int>(milliseconds)); }

void QtAnswerTimer::Stop() {
    if (QThread::currentThread() == thread()) {
        timer_.stop();
        return;
    }
    QMetaObject::invokeMethod(this, [this] { timer_.stop(); }, Qt::QueuedConnection);
}

}  // namespace oryn7px
