#include "platform/linux/posix_termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace oryn7px {

namespace {

constexpr std::array kEndSignals{SIGTERM, SIGHUP, SIGINT};

// The handler's end of the pair; the handler may only write, so it needs the number at hand.
std::atomic<int> handlerWriteEnd{-1};

void OnEndSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(handlerWriteEnd.load(), &byte, 1);
    errno = saved;
}

}  // namespace

PosixTerminationSignals::~PosixTerminationSignals() { Stop(); }

bool PosixTerminationSignals::Start() {
    if (readEnd_ >= 0) return true;
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair) != 0) return false;
    handlerWriteEnd.store(pair[0]);
    readEnd_ = pair[1];
    struct sigaction action = {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kEndSignals) ::sigaction(signal, &action, nullptr);
    return true;
}

void PosixTerminationSignals::Stop() {
    if (readEnd_ < 0) return;
    for (int signal : kEndSignals) std::signal(signal, SIG_DFL);
    ::close(handlerWriteEnd.exchange(-1));
    ::close(readEnd_);
    readEnd_ = -1;
}

bool PosixTerminationSignals::TakeRequests() {
    bool taken = false;
    char bytes[16];
    while (readEnd_ >= 0 && ::read(readEnd_, bytes, sizeof bytes) > 0) taken = true;
    return taken;
}

}  // namespace oryn7px
