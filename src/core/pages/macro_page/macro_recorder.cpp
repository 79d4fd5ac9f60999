#include "core/pages/macro_page/macro_recorder.h"

#include <algorithm>

namespace oryn7px::macro_page {

void MacroRecorder::Start(EventList& events) {
    recording_ = true;
    events.lines.clear();
    events.selected = -1;
    counter_ = 0;
    lastEventTime_.reset();
    lastKey_.reset();
    capture_.Set(true);
}

void MacroRecorder::Stop() {
    recording_ = false;
    capture_.Set(false);
}

void MacroRecorder::Record(EventList& events, uint32_t virtualKey, bool released) {
    const std::pair<uint32_t, bool> key{virtualKey, released};
    if (lastKey_ == key) return;
    lastKey_ = key;
    if (counter_ >= kRecordCounterLimit) return;
    if (!skipDelays_) {
        const uint32_t now = clock_.TickCount();
        if (lastEventTime_) events.lines.push_back({kLineDelay, std::min(now - *lastEventTime_, kMaxDelayMs)});
        lastEventTime_ = now;
    }
    events.lines.push_back({released ? kLineKeyUp : kLineKeyDown, virtualKey});
    counter_ += 2;
}

}  // namespace oryn7px::macro_page
