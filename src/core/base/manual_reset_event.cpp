#include "core/base/manual_reset_event.h"

namespace oryn7px {

void ManualResetEvent::Set() {
    {
        std::lock_guard lock(mutex_);
        signalled_ = true;
    }
    changed_.notify_all();
}

void ManualResetEvent::Reset() {
    std::lock_guard lock(mutex_);
    signalled_ = false;
}

bool ManualResetEvent::IsSet() const {
    std::lock_guard lock(mutex_);
    return signalled_;
}

void ManualResetEvent::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return signalled_; });
}

bool ManualResetEvent::WaitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return signalled_; });
}

}  // namespace oryn7px
