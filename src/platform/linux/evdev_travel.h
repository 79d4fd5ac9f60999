#pragma once
// The pointer's travel where no program may read the pointer's position (Wayland): the mouse's
// own motion, counted from its input nodes, given as a point that moves by exactly that much.
#include <atomic>
#include <cstdint>
#include <optional>

#include "core/interfaces/cursor_position.h"

namespace oryn7px {

class EvdevTravel final : public CursorPosition {
public:
    // x stays within [0, kBound]; y is always 0.
    static constexpr int kBound = 1 << 30;

    // From the input thread: |dx| + |dy| of a frame.
    void Add(uint64_t distance) { pending_.fetch_add(distance, std::memory_order_relaxed); }

    // x has moved by the travel added since the previous Read: up, or down where up would leave
    // the bound. Travel beyond the room in both directions waits for the next Read.
    std::optional<ScreenPoint> Read() override;

private:
    std::atomic<uint64_t> pending_{0};
    int x_ = 0;  // the reading thread's
};

}  // namespace oryn7px
