#pragma once
// Every protocol pause and tick count goes through a Clock, so tests can run them on virtual time.
#include <cstdint>
#include <mutex>
#include <vector>

namespace oryn7px {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void SleepMs(uint32_t milliseconds) = 0;
    // Milliseconds since an arbitrary start; wraps like the system tick count.
    virtual uint32_t TickCount() = 0;
};

class RealClock final : public Clock {
public:
    void SleepMs(uint32_t milliseconds) override;
    uint32_t TickCount() override;
};

// Time moves only when someone sleeps; every pause is recorded in order.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(uint32_t startTick = 0) : now_(startTick) {}

    void SleepMs(uint32_t milliseconds) override;
    uint32_t TickCount() override;

    void Advance(uint32_t milliseconds);
    std::vector<uint32_t> Pauses() const;
    uint64_t TotalPausedMs() const;
    void ClearPauses();

private:
    mutable std::mutex mutex_;
    uint32_t now_;
    std::vector<uint32_t> pauses_;
};

}  // namespace oryn7px
