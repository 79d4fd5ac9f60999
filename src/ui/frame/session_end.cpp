#include "ui/frame/session_end.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

namespace oryn7px {

SessionEndWatcher::SessionEndWatcher(TerminationSignals& termination, std::function<void()> onCloseRequest,
                                     std::function<void()> onCommitData)
    : termination_(termination), onCloseRequest_(std::move(onCloseRequest)), onCommitData_(std::move(onCommitData)) {
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { onCommitData_(); });
    }
    if (!termination_.Start()) return;
    notifier_ = new QSocketNotifier(termination_.WakeHandle(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEndWatcher::OnWake);
}

SessionEndWatcher::~SessionEndWatcher() {
    if (!notifier_) return;
    delete notifier_;
    termination_.Stop();
}

void SessionEndWatcher::OnWake() {
    if (termination_.TakeRequests()) onCloseRequest_();
}

}  // namespace oryn7px
