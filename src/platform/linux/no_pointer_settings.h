#pragma once
// The pointer settings of a desktop the program cannot reach: every value is refused.
#include <cstdint>

#include "core/interfaces/pointer_settings.h"

namespace oryn7px {

class NoPointerSettings final : public PointerSettings {
public:
    bool SetEnhancePrecision(bool) override { return false; }
    bool SetPointerSpeed(int32_t) override { return false; }
    bool SetWheelLines(int32_t) override { return false; }
    PointerSupport Support() const override { return {}; }
};

}  // namespace oryn7px
