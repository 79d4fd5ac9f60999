#pragma once
// The recorder: key events from the hooks become lines of the event list, with the pauses
// between them as delay lines unless delays are skipped.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/base/clock.h"
#include "core/pages/macro_page/macro_key_capture.h"
#include "core/pages/macro_page/macro_lines.h"

namespace oryn7px::macro_page {

// Recording accepts key events while the counter (2 per event) is below this.
inline constexpr uint32_t kRecordCounterLimit = 247;

class MacroRecorder {
public:
    MacroRecorder(KeyCapture& capture, Clock& clock) : capture_(capture), clock_(clock) {}

    bool Recording() const { return recording_; }
    uint32_t Counter() const { return counter_; }
    bool SkipDelays() const { return skipDelays_; }
    void SetSkipDelays(bool skip) { skipDelays_ = skip; }

    // Empties the list and takes the keyboard's events.
    void Start(EventList& events);
    // Gives the keyboard back; storing what was recorded is the page's business.
    void Stop();
    // A key press or release while recording. A held key's repeated presses add nothing.
    void Record(EventList& events, uint32_t virtualKey, bool released);

private:
    KeyCapture& capture_;
    Clock& clock_;
    bool recording_ = false;
    bool skipDelays_ = false;
    uint32_t counter_ = 0;
    std::optional<uint32_t> lastEventTime_;
    std::optional<std::pair<uint32_t, bool>> lastKey_;
};

}  // namespace oryn7px::macro_page
