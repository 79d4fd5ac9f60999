#pragma once
// Pointer precision, speed and wheel lines on KDE Plasma (Wayland): KWin's input devices on the
// session bus, set on the ORYN7PX's pointer devices only.
#include <cstdint>

#include "core/interfaces/pointer_settings.h"

namespace oryn7px {

// Each call looks the mouse up again, so a mouse plugged in later is found. Without KWin on the
// bus or without the mouse, every call answers false.
class KdePointerSettings final : public PointerSettings {
public:
    bool SetEnhancePrecision(bool on) override;
    bool SetPointerSpeed(int32_t speed) override;
    // Lines 1..30 become KWin's scroll factor; one screen per notch (-1) has no equivalent.
    bool SetWheelLines(int32_t lines) override;
    PointerSupport Support() const override { return {true, true, true}; }
};

}  // namespace oryn7px
