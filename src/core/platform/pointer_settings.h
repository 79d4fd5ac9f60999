#pragma once
// The system's pointer settings that a profile carries.
#include <cstdint>

namespace oryn7px {

// Each call answers false when the system refused the value; callers ignore single failures.
class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    // On: thresholds 6 and 10 with acceleration 1; off: no acceleration.
    virtual bool SetEnhancePrecision(bool on) = 0;
    // 1..20, 10 being the system's default.
    virtual bool SetPointerSpeed(int32_t speed) = 0;
    // Lines per wheel notch 1..30, or -1 for one screen per notch.
    virtual bool SetWheelLines(int32_t lines) = 0;
};

}  // namespace oryn7px
