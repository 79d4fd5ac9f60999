#pragma once
// Pointer precision and speed on GNOME: GSettings keys that gnome-settings-daemon applies to
// every pointing device, on Wayland and X11 alike.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "core/interfaces/pointer_settings.h"

struct _GVariant;

namespace oryn7px {

class GnomePointerSettings final : public PointerSettings {
public:
    // `notice` hears once why nothing can be written (no mouse schema, or settings not stored).
    explicit GnomePointerSettings(std::function<void(const std::string&)> notice);

    bool SetEnhancePrecision(bool on) override;
    bool SetPointerSpeed(int32_t speed) override;
    // GNOME has no wheel-lines setting.
    bool SetWheelLines(int32_t) override { return false; }
    // The keys the installed mouse schema has; nothing without the schema or a settings store.
    PointerSupport Support() const override;

private:
    // Stores `value` (floating, consumed) under `key` and returns once the settings store holds it.
    bool Write(const char* key, _GVariant* value);
    void NoticeOnce(const std::string& reason);

    std::function<void(const std::string&)> notice_;
    std::atomic<bool> noticeGiven_ = false;
};

}  // namespace oryn7px
