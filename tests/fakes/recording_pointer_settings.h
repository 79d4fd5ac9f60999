#pragma once
// Pointer settings that record each call and change nothing.
#include <string>
#include <vector>

#include "core/interfaces/pointer_settings.h"

namespace oryn7px::testing {

class RecordingPointerSettings final : public PointerSettings {
public:
    bool SetEnhancePrecision(bool on) override { return Record("precision", on ? 1 : 0); }
    bool SetPointerSpeed(int32_t speed) override { return Record("speed", speed); }
    bool SetWheelLines(int32_t lines) override { return Record("wheel", lines); }
    PointerSupport Support() const override { return support; }

    std::vector<std::string> calls;
    bool refuse = false;
    PointerSupport support{true, true, true};

private:
    bool Record(const char* name, int32_t value) {
        calls.push_back(std::string(name) + "=" + std::to_string(value));
        return !refuse;
    }
};

}  // namespace oryn7px::testing
