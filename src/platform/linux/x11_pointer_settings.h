#pragma once
// Pointer precision and speed for every X11 pointer device; wheel lines kept for the user.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/interfaces/pointer_settings.h"

namespace oryn7px {

class X11PointerSettings final : public PointerSettings {
public:
    // `wheelLinesFile` keeps the wheel lines, which X11 has no place for; `notice` hears what the
    // log should say (once: that wheel lines are only kept).
    X11PointerSettings(std::filesystem::path wheelLinesFile, std::function<void(const std::string&)> notice);

    bool SetEnhancePrecision(bool on) override;
    bool SetPointerSpeed(int32_t speed) override;
    bool SetWheelLines(int32_t lines) override;
    // X11 has no wheel-lines setting: they are only kept for the user.
    PointerSupport Support() const override { return {true, true, false}; }

    // The kept wheel lines, if any were stored.
    std::optional<int32_t> WheelLines() const;

private:
    bool Apply();

    std::filesystem::path wheelLinesFile_;
    std::function<void(const std::string&)> notice_;
    bool wheelNoticeGiven_ = false;
    bool enhancePrecision_ = false;
    int32_t speed_ = 10;
};

// <config home>/TAVIK/ORYN7PX/pointer.ini; empty when no config home is known.
std::filesystem::path DefaultWheelLinesFile();

}  // namespace oryn7px
