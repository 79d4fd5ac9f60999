#pragma once
// An event that stays signalled until it is reset, like a Win32 manual-reset event.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace oryn7px {

class ManualResetEvent {
public:
    explicit ManualResetEvent(bool signalled = false) : signalled_(signalled) {}

    void Set();
    void Reset();
    bool IsSet() const;
    void Wait();
    // True when the event was signalled within the timeout.
    bool WaitFor(std::chrono::milliseconds timeout);

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool signalled_;
};

}  // namespace oryn7px
