#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "core/pages/statistics_page/statistics_messages.h"
#include "core/pages/statistics_page/cursor_sampler.h"

namespace oryn7px {
namespace {

class ScriptedCursor final : public CursorPosition {
public:
    std::optional<ScreenPoint> Read() override {
        ++reads;
        if (!known) return std::nullopt;
        return ScreenPoint{x, 700};
    }
    std::atomic<int> reads{0};
    std::atomic<bool> known{true};
    std::atomic<int> x{-5};
};

class RecordingTarget final : public MessageTarget {
public:
    void Post(const Message& message) override {
        std::lock_guard lock(mutex);
        posted.push_back(message);
    }
    std::vector<Message> Posted() {
        std::lock_guard lock(mutex);
        return posted;
    }
    std::mutex mutex;
    std::vector<Message> posted;
};

bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 2000 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return done();
}

TEST(CursorSamplerTest, SampleMessageCarriesThePoint) {
    for (ScreenPoint point : {ScreenPoint{0, 0}, ScreenPoint{-1, -32768}, ScreenPoint{3840, 2160}}) {
        const Message message = CursorSampleMessage(point);
        EXPECT_EQ(message.msg, WM_STS_CURSOR_SAMPLE);
        EXPECT_EQ(CursorSampleOf(message), point);
    }
}

TEST(CursorSamplerTest, PostsAtOnceAndNothingAfterStop) {
    ScriptedCursor cursor;
    RecordingTarget page;
    CursorSampler sampler(cursor, page);
    sampler.Start();
    ASSERT_TRUE(WaitFor([&] { return !page.Posted().empty(); }));
    sampler.Stop();
    const auto posted = page.Posted();
    EXPECT_EQ(CursorSampleOf(posted.front()), (ScreenPoint{-5, 700}));
    const int reads = cursor.reads;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(cursor.reads, reads);
}

// Takes about a second: three samples 500 ms apart.
TEST(CursorSamplerTest, ARestingCursorIsPostedOnceAndAMovedOneAgain) {
    ScriptedCursor cursor;
    RecordingTarget page;
    CursorSampler sampler(cursor, page);
    sampler.Start();
    ASSERT_TRUE(WaitFor([&] { return cursor.reads >= 2; }));
    EXPECT_EQ(page.Posted().size(), 1u);
    cursor.x = 40;
    ASSERT_TRUE(WaitFor([&] { return page.Posted().size() == 2; }));
    sampler.Stop();
    EXPECT_EQ(CursorSampleOf(page.Posted().back()), (ScreenPoint{40, 700}));
}

TEST(CursorSamplerTest, UnknownPositionPostsNothing) {
    ScriptedCursor cursor;
    cursor.known = false;
    RecordingTarget page;
    {
        CursorSampler sampler(cursor, page);
        sampler.Start();
        ASSERT_TRUE(WaitFor([&] { return cursor.reads > 0; }));
    }  // the destructor stops the thread
    EXPECT_TRUE(page.Posted().empty());
}

}  // namespace
}  // namespace oryn7px
