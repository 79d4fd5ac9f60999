#include "ui/app/session_end.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace oryn7px {

namespace {

constexpr std::array kEndSignals{SIGTERM, SIGHUP, SIGINT};

// The handler may only write: the byte wakes the UI thread, which does the work.
int signalPipe[2] = {-1, -1};

void OnEndSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    errno = saved;
}

}  // namespace

SessionEndWatcher::SessionEndWatcher(std::function<void()> onCloseRequest, std::function<void()> onCommitData)
    : onCloseRequest_(std::move(onCloseRequest)), onCommitData_(std::move(onCommitData)) {
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { onCommitData_(); });
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEndWatcher::OnSignalByte);
    struct sigaction action = {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kEndSignals) ::sigaction(signal, &action, nullptr);
}

SessionEndWatcher::~SessionEndWatcher() {
    if (!notifier_) return;
    for (int signal : kEndSignals) std::signal(signal, SIG_DFL);
    delete notifier_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void SessionEndWatcher::OnSignalByte() {
    char bytes[16];
    while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
    }
    onCloseRequest_();
}

}  // namespace oryn7px
