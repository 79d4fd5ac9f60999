#pragma once
// The mouse's evdev events in the form of the Windows low-level mouse hook, one frame at a time.
#include <linux/input.h>

#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/interfaces/input_hook_backend.h"

namespace oryn7px {

struct EvdevFrame {
    // The frame without what the sink swallowed, its SYN_REPORT last; empty when nothing but
    // SYN and MSC events would be left.
    std::span<const input_event> passOn;
    uint64_t travel = 0;  // |dx| + |dy| of the frame
};

// Groups one node's events into frames (each ending with SYN_REPORT) and tells the sink each
// frame's buttons and wheel notches, in the frame's order.
class EvdevTranslator {
public:
    // A frame longer than this is broken input: it is dropped like an overflow.
    static constexpr std::size_t kMaxFrameEvents = 512;
    // Wheel notches reported for one wheel event at most; the rest pass on unreported.
    static constexpr int32_t kMaxNotches = 32;

    explicit EvdevTranslator(InputHookSink& sink) : sink_(sink) {}

    // Takes the node's next event; at a SYN_REPORT the sink hears the frame and the frame comes
    // back. The sink's answer counts only where `maySwallow` (the node is grabbed): elsewhere
    // the event has reached other programs already. The span stays valid until the next call.
    std::optional<EvdevFrame> Add(const input_event& event, bool maySwallow);

    // A key or button of the node is held, as far as its events tell.
    bool AnyKeyDown() const { return keysDown_.any(); }

private:
    struct WheelOutcome {
        int64_t notches = 0;  // of the low-resolution events
        int64_t swallowed = 0;
    };

    EvdevFrame Finish(bool maySwallow);
    bool ReportKey(const input_event& event, bool maySwallow);
    int32_t ReportWheel(const input_event& event, bool maySwallow, WheelOutcome& outcome);
    void TrimHighResolution(const WheelOutcome& wheel, const WheelOutcome& hwheel);

    InputHookSink& sink_;
    std::vector<input_event> frame_;
    std::vector<input_event> passOn_;
    std::bitset<KEY_CNT> keysDown_;
    bool dropping_ = false;  // after SYN_DROPPED or an overlong frame, until the next SYN_REPORT
};

}  // namespace oryn7px
