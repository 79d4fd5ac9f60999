#pragma once
// System-wide key and mouse input, as the input hooks need it from the operating system.
#include <cstdint>
#include <string>
#include <vector>

namespace oryn7px {

// Receives every key and mouse event of the session, in the form of the Windows low-level hooks.
// Each call answers whether the event is swallowed (kept from every other program).
class InputHookSink {
public:
    virtual ~InputHookSink() = default;
    // flags: bit 0 extended key, bit 5 Alt down, bit 7 released.
    virtual bool KeyboardProc(uint32_t virtualKey, uint32_t flags) = 0;
    // message: WM_LBUTTONDOWN ... WM_MOUSEHWHEEL; mouseData: wheel delta or X-button number in the high 16 bits.
    virtual bool MouseProc(uint32_t message, uint32_t mouseData) = 0;
};

class InputHookBackend {
public:
    virtual ~InputHookBackend() = default;
    // Starts feeding the sink from a thread of the backend's own. False when the session offers
    // no global input; Status() then says why.
    virtual bool Install(InputHookSink& sink) = 0;
    virtual void Remove() = 0;
    // The button codes whose events other programs must not receive. Safe to call from any
    // thread, installed or not; the latest set wins.
    virtual void SetInterceptedButtons(const std::vector<uint32_t>& codes) = 0;
    // A sentence for the log about how global input is served; empty when there is nothing to say.
    virtual std::string Status() const = 0;
};

}  // namespace oryn7px
