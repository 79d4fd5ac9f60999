#pragma once
// The system's pointer settings that a profile carries.
#include <cstdint>

namespace oryn7px {

// Which of the three settings reach the desktop's pointer where the program runs.
struct PointerSupport {
    bool precision = false;
    bool speed = false;
    bool wheelLines = false;
    bool Any() const { return precision || speed || wheelLines; }
};

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
    virtual PointerSupport Support() const = 0;
};

// Where the desktop keeps the pointer settings.
enum class PointerBackend { kX11, kGnome, kKde, kNone };

inline const char* PointerBackendName(PointerBackend backend) {
    switch (backend) {
        case PointerBackend::kX11: return "x11";
        case PointerBackend::kGnome: return "gnome";
        case PointerBackend::kKde: return "kde";
        case PointerBackend::kNone: return "none";
    }
    return "none";
}

}  // namespace oryn7px
