#include "core/base/clock.h"

#include <chrono>
#include <numeric>
#include <thread>

namespace oryn7px {

void RealClock::SleepMs(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

uint32_t RealClock::TickCount() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void VirtualClock::SleepMs(uint32_t milliseconds) {
    std::lock_guard lock(mutex_);
    pauses_.push_back(milliseconds);
    now_ += milliseconds;
}

uint32_t VirtualClock::TickCount() {
    std::lock_guard lock(mutex_);
    return now_;
}

void VirtualClock::Advance(uint32_t milliseconds) {
    std::lock_guard lock(mutex_);
    now_ += milliseconds;
}

std::vector<uint32_t> VirtualClock::Pauses() const {
    std::lock_guard lock(mutex_);
    return pauses_;
}

uint64_t VirtualClock::TotalPausedMs() const {
    std::lock_guard lock(mutex_);
    return std::accumulate(pauses_.begin(), pauses_.end(), uint64_t{0});
}

void VirtualClock::ClearPauses() {
    std::lock_guard lock(mutex_);
    pauses_.clear();
}

}  // namespace oryn7px
