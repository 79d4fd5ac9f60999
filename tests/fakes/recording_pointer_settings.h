#pragma once
// Pointer settings that record each call and change nothing.
#include <string>
#include <vector>

#include "core/platform/pointer_settings.h"

namespace oryn7px::testing {

class RecordingPointerSettings final : public PointerSettings {
public:
    bool SetEnhancePrecision(bool on) override { return Record("precision", on ? 1 : 0); }
    bool SetPointerSpeed(int32_t speed) override { return Record("speed", speed); }
    bool SetWheelLines(int32_t lines) override { return Record("wheel", lines); }

    std::vector<std::string> calls;
    bool refuse = false;

private:
    bool Record(const char* name, int32_t value) {
        calls.push_back(std::string(name) + "=" + std::to_string(value));
        return !refuse;
    }
};

}  // namespace oryn7px::testing
