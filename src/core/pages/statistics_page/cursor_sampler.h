#pragma once
// The statistics page's sampling thread: reads the cursor every 500 ms and posts each sample
// that differs from the last one posted to the page as WM_STS_CURSOR_SAMPLE, until it is stopped.
#include <chrono>
#include <optional>
#include <thread>

#include "core/base/manual_reset_event.h"
#include "core/base/message.h"
#include "core/interfaces/cursor_position.h"

namespace oryn7px {

// The sample travels in the message (wParam x, lParam y), so no point is shared between threads.
Message CursorSampleMessage(ScreenPoint point);
ScreenPoint CursorSampleOf(const Message& message);

class CursorSampler {
public:
    static constexpr std::chrono::milliseconds kInterval{500};

    // `page` must outlive the sampler.
    CursorSampler(CursorPosition& cursor, MessageTarget& page);
    ~CursorSampler();
    CursorSampler(const CursorSampler&) = delete;
    CursorSampler& operator=(const CursorSampler&) = delete;

    void Start();
    // Wakes the thread and waits for it to end; nothing is posted afterwards.
    void Stop();

private:
    void Run();

    CursorPosition& cursor_;
    MessageTarget& page_;
    ManualResetEvent stop_;
    std::thread thread_;
};

}  // namespace oryn7px
