#include "platform/linux/evdev_input_translate.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

#include "core/base/messages.h"
#include "core/device/hook_codes.h"
#include "platform/linux/evdev_fakes.h"

namespace oryn7px {
namespace {

using testing::Ev;
using testing::Event;
using testing::HookCall;
using testing::RecordingSink;
using testing::Syn;

constexpr HookCall kWheelUp{WM_MOUSEWHEEL, WheelData(WHEEL_DELTA)};
constexpr HookCall kWheelDown{WM_MOUSEWHEEL, WheelData(-WHEEL_DELTA)};
constexpr HookCall kWheelRight{WM_MOUSEHWHEEL, WheelData(WHEEL_DELTA)};
constexpr HookCall kWheelLeft{WM_MOUSEHWHEEL, WheelData(-WHEEL_DELTA)};
constexpr HookCall kForwardDown{WM_XBUTTONDOWN, XBUTTON2_DATA};
constexpr HookCall kForwardUp{WM_XBUTTONUP, XBUTTON2_DATA};

constexpr Ev kSyn{EV_SYN, SYN_REPORT, 0};

struct Fed {
    std::vector<HookCall> calls;
    std::vector<std::vector<Ev>> frames;  // what each finished frame passes on
    uint64_t travel = 0;
};

Fed Feed(const std::vector<input_event>& events, std::set<HookCall> swallow = {}, bool maySwallow = true) {
    RecordingSink sink;
    sink.Swallow(std::move(swallow));
    EvdevTranslator translator(sink);
    Fed fed;
    for (const input_event& event : events) {
        if (const std::optional<EvdevFrame> frame = translator.Add(event, maySwallow)) {
            fed.frames.push_back(testing::Strip(frame->passOn));
            fed.travel += frame->travel;
        }
    }
    fed.calls = sink.Calls();
    return fed;
}

TEST(EvdevTranslator, FramesBecomeHookCallsAndPassOnWhatIsNotSwallowed) {
    struct Case {
        const char* name;
        std::vector<input_event> events;
        std::set<HookCall> swallow;
        std::vector<HookCall> calls;
        std::vector<std::vector<Ev>> frames;
    };
    const Case cases[] = {
        {"left click",
         {Event(EV_KEY, BTN_LEFT, 1), Syn(), Event(EV_KEY, BTN_LEFT, 0), Syn()},
         {},
         {{WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0}},
         {{{EV_KEY, BTN_LEFT, 1}, kSyn}, {{EV_KEY, BTN_LEFT, 0}, kSyn}}},
        {"right and middle in one frame",
         {Event(EV_KEY, BTN_RIGHT, 1), Event(EV_KEY, BTN_MIDDLE, 1), Syn()},
         {},
         {{WM_RBUTTONDOWN, 0}, {WM_MBUTTONDOWN, 0}},
         {{{EV_KEY, BTN_RIGHT, 1}, {EV_KEY, BTN_MIDDLE, 1}, kSyn}}},
        {"side and back are X button 1, extra and forward X button 2",
         {Event(EV_KEY, BTN_SIDE, 1), Event(EV_KEY, BTN_BACK, 0), Event(EV_KEY, BTN_EXTRA, 1),
          Event(EV_KEY, BTN_FORWARD, 0), Syn()},
         {},
         {{WM_XBUTTONDOWN, XBUTTON1_DATA}, {WM_XBUTTONUP, XBUTTON1_DATA}, kForwardDown, kForwardUp},
         {{{EV_KEY, BTN_SIDE, 1}, {EV_KEY, BTN_BACK, 0}, {EV_KEY, BTN_EXTRA, 1}, {EV_KEY, BTN_FORWARD, 0}, kSyn}}},
        {"auto-repeat is passed on unreported",
         {Event(EV_KEY, BTN_LEFT, 2), Syn()},
         {},
         {},
         {{{EV_KEY, BTN_LEFT, 2}, kSyn}}},
        {"keyboard keys are passed on unreported",
         {Event(EV_KEY, KEY_A, 1), Syn()},
         {},
         {},
         {{{EV_KEY, KEY_A, 1}, kSyn}}},
        {"every wheel notch is one call, its sign the direction",
         {Event(EV_REL, REL_WHEEL, 3), Syn(), Event(EV_REL, REL_WHEEL, -2), Syn(), Event(EV_REL, REL_HWHEEL, 1),
          Event(EV_REL, REL_HWHEEL, -1), Syn()},
         {},
         {kWheelUp, kWheelUp, kWheelUp, kWheelDown, kWheelDown, kWheelRight, kWheelLeft},
         {{{EV_REL, REL_WHEEL, 3}, kSyn},
          {{EV_REL, REL_WHEEL, -2}, kSyn},
          {{EV_REL, REL_HWHEEL, 1}, {EV_REL, REL_HWHEEL, -1}, kSyn}}},
        {"high-resolution wheel events make no call of their own",
         {Event(EV_REL, REL_WHEEL_HI_RES, 120), Event(EV_REL, REL_WHEEL, 1), Syn()},
         {},
         {kWheelUp},
         {{{EV_REL, REL_WHEEL_HI_RES, 120}, {EV_REL, REL_WHEEL, 1}, kSyn}}},
        {"a swallowed press leaves nothing but MSC and SYN: no frame is passed on",
         {Event(EV_MSC, MSC_SCAN, 0x90005), Event(EV_KEY, BTN_EXTRA, 1), Syn()},
         {kForwardDown},
         {kForwardDown},
         {{}}},
        {"a swallowed press leaves the frame's motion",
         {Event(EV_REL, REL_X, 5), Event(EV_KEY, BTN_EXTRA, 1), Syn()},
         {kForwardDown},
         {kForwardDown},
         {{{EV_REL, REL_X, 5}, kSyn}}},
        {"a swallowed notch takes its high-resolution partner along",
         {Event(EV_REL, REL_WHEEL_HI_RES, 120), Event(EV_REL, REL_WHEEL, 1), Event(EV_REL, REL_Y, -2), Syn(),
          Event(EV_REL, REL_WHEEL, 1), Event(EV_REL, REL_WHEEL_HI_RES, 120), Syn()},
         {kWheelUp},
         {kWheelUp, kWheelUp},
         {{{EV_REL, REL_Y, -2}, kSyn}, {}}},
        {"the other wheel and the other direction stay",
         {Event(EV_REL, REL_WHEEL, 1), Event(EV_REL, REL_WHEEL_HI_RES, 120), Event(EV_REL, REL_HWHEEL, -1),
          Event(EV_REL, REL_HWHEEL_HI_RES, -120), Syn(), Event(EV_REL, REL_WHEEL, -1), Syn()},
         {kWheelUp},
         {kWheelUp, kWheelLeft, kWheelDown},
         {{{EV_REL, REL_HWHEEL, -1}, {EV_REL, REL_HWHEEL_HI_RES, -120}, kSyn}, {{EV_REL, REL_WHEEL, -1}, kSyn}}},
    };
    for (const Case& c : cases) {
        const Fed fed = Feed(c.events, c.swallow);
        EXPECT_EQ(fed.calls, c.calls) << c.name;
        EXPECT_EQ(fed.frames, c.frames) << c.name;
    }
}

TEST(EvdevTranslator, WhereNothingMaySwallowTheSinksAnswerIsIgnored) {
    const Fed fed = Feed({Event(EV_KEY, BTN_EXTRA, 1), Event(EV_REL, REL_WHEEL, 1), Syn()}, {kForwardDown, kWheelUp},
                         false);
    EXPECT_EQ(fed.calls, (std::vector<HookCall>{kForwardDown, kWheelUp}));
    EXPECT_EQ(fed.frames, (std::vector<std::vector<Ev>>{{{EV_KEY, BTN_EXTRA, 1}, {EV_REL, REL_WHEEL, 1}, kSyn}}));
}

// The swallowing sink answers per notch; a frame of two notches may lose only one.
TEST(EvdevTranslator, PartlySwallowedNotchesLeaveTheirShareOfTheTurn) {
    class SwallowFirstNotch final : public InputHookSink {
    public:
        bool KeyboardProc(uint32_t, uint32_t) override { return false; }
        bool MouseProc(uint32_t message, uint32_t) override { return message == WM_MOUSEWHEEL && notches_++ == 0; }

    private:
        int notches_ = 0;
    } sink;
    EvdevTranslator translator(sink);
    std::optional<EvdevFrame> frame;
    for (const input_event& event : {Event(EV_REL, REL_WHEEL, -2), Event(EV_REL, REL_WHEEL_HI_RES, -240), Syn()}) {
        frame = translator.Add(event, true);
    }
    ASSERT_TRUE(frame);
    EXPECT_EQ(testing::Strip(frame->passOn),
              (std::vector<Ev>{{EV_REL, REL_WHEEL, -1}, {EV_REL, REL_WHEEL_HI_RES, -120}, kSyn}));
}

TEST(EvdevTranslator, SynDroppedDiscardsTheBrokenFrameUpToItsReport) {
    const Fed fed = Feed({Event(EV_KEY, BTN_LEFT, 1), Event(EV_SYN, SYN_DROPPED, 0), Event(EV_KEY, BTN_RIGHT, 1),
                          Event(EV_REL, REL_X, 9), Syn(), Event(EV_KEY, BTN_MIDDLE, 1), Syn()});
    EXPECT_EQ(fed.calls, (std::vector<HookCall>{{WM_MBUTTONDOWN, 0}}));
    EXPECT_EQ(fed.frames, (std::vector<std::vector<Ev>>{{{EV_KEY, BTN_MIDDLE, 1}, kSyn}}));
    EXPECT_EQ(fed.travel, 0u);
}

TEST(EvdevTranslator, TravelIsTheSumOfAbsoluteMotionWithoutOverflow) {
    const Fed fed = Feed({Event(EV_REL, REL_X, 3), Event(EV_REL, REL_Y, -4), Syn(), Event(EV_REL, REL_X, INT_MIN),
                          Event(EV_REL, REL_Y, INT_MAX), Syn(), Event(EV_REL, REL_WHEEL, 1), Syn()});
    EXPECT_EQ(fed.travel, 7ull + 2147483648ull + 2147483647ull);
}

// A node that never ends its frame must not grow without bound, nor break the frames after it.
TEST(EvdevTranslator, AnOverlongFrameIsDroppedAndTheNextOneServed) {
    std::vector<input_event> events(EvdevTranslator::kMaxFrameEvents + 10, Event(EV_KEY, BTN_LEFT, 1));
    events.push_back(Syn());
    events.push_back(Event(EV_KEY, BTN_RIGHT, 1));
    events.push_back(Syn());
    const Fed fed = Feed(events);
    EXPECT_EQ(fed.calls, (std::vector<HookCall>{{WM_RBUTTONDOWN, 0}}));
    EXPECT_EQ(fed.frames.size(), 1u);
}

// A wheel value no wheel can give must not hold the input thread in the sink for long.
TEST(EvdevTranslator, AnAbsurdWheelValueIsReportedAsAFewNotches) {
    const Fed fed = Feed({Event(EV_REL, REL_WHEEL, INT_MIN), Syn()});
    EXPECT_EQ(fed.calls.size(), static_cast<std::size_t>(EvdevTranslator::kMaxNotches));
    EXPECT_EQ(fed.frames, (std::vector<std::vector<Ev>>{{{EV_REL, REL_WHEEL, INT_MIN}, kSyn}}));
}

TEST(EvdevTranslator, HeldKeysAreCountedWhateverTheSinkSwallows) {
    RecordingSink sink;
    sink.Swallow({kForwardDown, kForwardUp});
    EvdevTranslator translator(sink);
    const auto feed = [&](std::initializer_list<input_event> events) {
        for (const input_event& event : events) translator.Add(event, true);
    };
    EXPECT_FALSE(translator.AnyKeyDown());
    feed({Event(EV_KEY, BTN_EXTRA, 1), Syn()});
    EXPECT_TRUE(translator.AnyKeyDown());
    feed({Event(EV_KEY, BTN_LEFT, 1), Event(EV_KEY, BTN_EXTRA, 0), Syn(), Event(EV_KEY, BTN_LEFT, 2), Syn()});
    EXPECT_TRUE(translator.AnyKeyDown());
    feed({Event(EV_KEY, BTN_LEFT, 0), Syn()});
    EXPECT_FALSE(translator.AnyKeyDown());
}

}  // namespace
}  // namespace oryn7px
