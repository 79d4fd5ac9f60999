#include "platform/linux/evdev_input_translate.h"

#include <algorithm>

#include "core/base/messages.h"
#include "core/device/hook_codes.h"

namespace oryn7px {

namespace {

struct ButtonMessages {
    uint32_t down;
    uint32_t up;
    uint32_t mouseData;
};

std::optional<ButtonMessages> ButtonOf(uint16_t code) {
    switch (code) {
        case BTN_LEFT: return ButtonMessages{WM_LBUTTONDOWN, WM_LBUTTONUP, 0};
        case BTN_RIGHT: return ButtonMessages{WM_RBUTTONDOWN, WM_RBUTTONUP, 0};
        case BTN_MIDDLE: return ButtonMessages{WM_MBUTTONDOWN, WM_MBUTTONUP, 0};
        case BTN_SIDE:
        case BTN_BACK: return ButtonMessages{WM_XBUTTONDOWN, WM_XBUTTONUP, XBUTTON1_DATA};
        case BTN_EXTRA:
        case BTN_FORWARD: return ButtonMessages{WM_XBUTTONDOWN, WM_XBUTTONUP, XBUTTON2_DATA};
        default: return std::nullopt;
    }
}

int64_t Magnitude(int32_t value) { return value < 0 ? -static_cast<int64_t>(value) : value; }

bool IsHighResolutionWheel(const input_event& event) {
    return event.type == EV_REL && (event.code == REL_WHEEL_HI_RES || event.code == REL_HWHEEL_HI_RES);
}

}  // namespace

std::optional<EvdevFrame> EvdevTranslator::Add(const input_event& event, bool maySwallow) {
    const bool report = event.type == EV_SYN && event.code == SYN_REPORT;
    if (event.type == EV_SYN && event.code == SYN_DROPPED) {
        // The kernel lost events: the frame in hand and the rest of the broken one are unusable.
        frame_.clear();
        dropping_ = true;
        return std::nullopt;
    }
    if (dropping_) {
        if (report) dropping_ = false;
        return std::nullopt;
    }
    frame_.push_back(event);
    if (report) return Finish(maySwallow);
    if (frame_.size() >= kMaxFrameEvents) {
        frame_.clear();
        dropping_ = true;
    }
    return std::nullopt;
}

EvdevFrame EvdevTranslator::Finish(bool maySwallow) {
    EvdevFrame result;
    WheelOutcome wheel;
    WheelOutcome hwheel;
    passOn_.clear();
    for (const input_event& event : frame_) {
        input_event out = event;
        if (event.type == EV_KEY && ReportKey(event, maySwallow)) continue;
        if (event.type == EV_REL) {
            if (event.code == REL_X || event.code == REL_Y) {
                result.travel += static_cast<uint64_t>(Magnitude(event.value));
            }
            if (event.code == REL_WHEEL || event.code == REL_HWHEEL) {
                WheelOutcome& outcome = event.code == REL_WHEEL ? wheel : hwheel;
                const int64_t swallowedBefore = outcome.swallowed;
                out.value = ReportWheel(event, maySwallow, outcome);
                if (out.value == 0 && outcome.swallowed > swallowedBefore) continue;
            }
        }
        passOn_.push_back(out);
    }
    frame_.clear();
    TrimHighResolution(wheel, hwheel);
    const bool substantial = std::any_of(passOn_.begin(), passOn_.end(),
                                         [](const input_event& e) { return e.type != EV_SYN && e.type != EV_MSC; });
    if (!substantial) passOn_.clear();
    result.passOn = passOn_;
    return result;
}

// True when the event is swallowed.
bool EvdevTranslator::ReportKey(const input_event& event, bool maySwallow) {
    if (event.code < KEY_CNT && (event.value == 0 || event.value == 1)) keysDown_.set(event.code, event.value == 1);
    const std::optional<ButtonMessages> button = ButtonOf(event.code);
    // Auto-repeat (2) and anything else a button cannot say are not hook events.
    if (!button || (event.value != 0 && event.value != 1)) return false;
    const bool swallowed = sink_.MouseProc(event.value == 1 ? button->down : button->up, button->mouseData);
    return swallowed && maySwallow;
}

// The wheel event's value once the swallowed notches are taken out.
int32_t EvdevTranslator::ReportWheel(const input_event& event, bool maySwallow, WheelOutcome& outcome) {
    const uint32_t message = event.code == REL_WHEEL ? WM_MOUSEWHEEL : WM_MOUSEHWHEEL;
    const uint32_t mouseData = WheelData(event.value > 0 ? WHEEL_DELTA : -WHEEL_DELTA);
    const int64_t notches = Magnitude(event.value);
    int64_t swallowed = 0;
    for (int64_t i = 0; i < std::min<int64_t>(notches, kMaxNotches); ++i) {
        if (sink_.MouseProc(message, mouseData) && maySwallow) ++swallowed;
    }
    outcome.notches += notches;
    outcome.swallowed += swallowed;
    return static_cast<int32_t>(event.value > 0 ? event.value - swallowed : event.value + swallowed);
}

// A high-resolution wheel event carries the same turn as its low-resolution partner: it keeps
// the share of the notches that were not swallowed, and goes when none is left.
void EvdevTranslator::TrimHighResolution(const WheelOutcome& wheel, const WheelOutcome& hwheel) {
    if (wheel.swallowed == 0 && hwheel.swallowed == 0) return;
    for (input_event& event : passOn_) {
        if (!IsHighResolutionWheel(event)) continue;
        const WheelOutcome& outcome = event.code == REL_WHEEL_HI_RES ? wheel : hwheel;
        if (outcome.swallowed == 0) continue;
        event.value = static_cast<int32_t>(event.value * (outcome.notches - outcome.swallowed) / outcome.notches);
    }
    std::erase_if(passOn_, [](const input_event& e) { return IsHighResolutionWheel(e) && e.value == 0; });
}

}  // namespace oryn7px
