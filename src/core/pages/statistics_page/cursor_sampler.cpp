#include "core/pages/statistics_page/cursor_sampler.h"

#include "core/pages/statistics_page/statistics_messages.h"

namespace oryn7px {

Message CursorSampleMessage(ScreenPoint point) {
    return {WM_STS_CURSOR_SAMPLE, static_cast<uintptr_t>(static_cast<uint32_t>(point.x)),
            static_cast<intptr_t>(point.y)};
}

ScreenPoint CursorSampleOf(const Message& message) {
    return {static_cast<int>(static_cast<uint32_t>(message.wParam)), static_cast<int>(message.lParam)};
}

CursorSampler::CursorSampler(CursorPosition& cursor, MessageTarget& page) : cursor_(cursor), page_(page) {}

CursorSampler::~CursorSampler() { Stop(); }

void CursorSampler::Start() {
    if (thread_.joinable()) return;
    stop_.Reset();
    thread_ = std::thread([this] { Run(); });
}

void CursorSampler::Stop() {
    if (!thread_.joinable()) return;
    stop_.Set();
    thread_.join();
}

// A sample equal to the last one posted adds no distance: the page is not woken for it, so
// a resting cursor costs the program nothing but the read.
void CursorSampler::Run() {
    std::optional<ScreenPoint> posted;
    do {
        const auto point = cursor_.Read();
        if (!point || point == posted) continue;
        page_.Post(CursorSampleMessage(*point));
        posted = point;
    } while (!stop_.WaitFor(kInterval));
}

}  // namespace oryn7px
