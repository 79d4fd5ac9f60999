#include "platform/linux/evdev_input_backend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "core/base/messages.h"
#include "core/device/hook_codes.h"
#include "core/device/input_hooks.h"
#include "fakes/recording_target.h"
#include "platform/linux/evdev_fakes.h"

namespace oryn7px {
namespace {

using ::testing::HasSubstr;
using testing::Ev;
using testing::Event;
using testing::FakeEvdevSystem;
using testing::HookCall;
using testing::Syn;

using Counts = FakeEvdevSystem::Counts;
using Frames = std::vector<std::vector<Ev>>;

constexpr const char* kPointer = "/dev/input/event5";  // buttons and motion
constexpr const char* kKeys = "/dev/input/event6";     // the mouse's keyboard interface
constexpr Ev kSyn{EV_SYN, SYN_REPORT, 0};

std::vector<input_event> Press(uint16_t code) { return {Event(EV_KEY, code, 1), Syn()}; }
std::vector<input_event> Release(uint16_t code) { return {Event(EV_KEY, code, 0), Syn()}; }
std::vector<input_event> MotionX(int32_t dx) { return {Event(EV_REL, REL_X, dx), Syn()}; }

// Notices arrive from the input thread.
class NoticeLog {
public:
    void Add(const std::string& text) {
        std::lock_guard lock(mutex_);
        texts_.push_back(text);
        changed_.notify_all();
    }
    bool WaitFor(const std::string& part) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, testing::kPatience, [&] {
            return std::any_of(texts_.begin(), texts_.end(),
                               [&](const auto& t) { return t.find(part) != std::string::npos; });
        });
    }
    std::size_t Count() {
        std::lock_guard lock(mutex_);
        return texts_.size();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> texts_;
};

// The backend in its fake world; the backend goes first.
struct Rig {
    explicit Rig(EvdevMode mode = EvdevMode::kIntercept)
        : backend(mode, travel, system.Opener(), system.Grabber(), [this](const std::string& t) { notices.Add(t); }) {}

    FakeEvdevSystem system;
    EvdevTravel travel;
    NoticeLog notices;
    testing::RecordingSink sink;
    EvdevInputBackend backend;
};

TEST(EvdevInputBackend, PressesOfEveryNodeReachTheSinkAndMotionBecomesTravel) {
    Rig rig;
    rig.system.AddNode(kPointer, true);
    rig.system.AddNode(kKeys, false);
    ASSERT_TRUE(rig.backend.Install(rig.sink));
    EXPECT_EQ(rig.backend.Status(), "");
    const ScreenPoint start = *rig.travel.Read();

    ASSERT_TRUE(rig.system.Send(kPointer, {Event(EV_REL, REL_X, 3), Event(EV_REL, REL_Y, -4), Syn()}));
    ASSERT_TRUE(rig.system.Send(kPointer, Press(BTN_LEFT)));
    ASSERT_TRUE(rig.system.Send(kKeys, Press(BTN_SIDE)));
    ASSERT_TRUE(rig.sink.WaitCalls(2));
    EXPECT_THAT(rig.sink.Calls(), ::testing::UnorderedElementsAre(HookCall{WM_LBUTTONDOWN, 0},
                                                                  HookCall{WM_XBUTTONDOWN, XBUTTON1_DATA}));
    EXPECT_EQ(rig.travel.Read()->x - start.x, 7);
    EXPECT_EQ(rig.system.Now().grabAttempts, 0);  // nothing intercepted, nothing grabbed
}

TEST(EvdevInputBackend, AnEventSplitAcrossReadsIsPutTogether) {
    Rig rig;
    rig.system.AddNode(kPointer, true);
    ASSERT_TRUE(rig.backend.Install(rig.sink));
    std::vector<input_event> stream = Press(BTN_LEFT);
    const std::vector<input_event> right = Press(BTN_RIGHT);
    stream.insert(stream.end(), right.begin(), right.end());
    const auto* bytes = reinterpret_cast<const unsigned char*>(stream.data());
    // The left press and the first bytes of the right one arrive together; the rest afterwards.
    const std::size_t first = 2 * sizeof(input_event) + 10;
    ASSERT_TRUE(rig.system.SendBytes(kPointer, bytes, first));
    ASSERT_TRUE(rig.sink.WaitCalls(1));
    ASSERT_TRUE(rig.system.SendBytes(kPointer, bytes + first, stream.size() * sizeof(input_event) - first));
    ASSERT_TRUE(rig.sink.WaitCalls(2));
    EXPECT_EQ(rig.sink.Calls(), (std::vector<HookCall>{{WM_LBUTTONDOWN, 0}, {WM_RBUTTONDOWN, 0}}));
}

TEST(EvdevInputBackend, ThePointerNodeIsGrabbedWhileButtonsAreIntercepted) {
    Rig rig;
    rig.system.AddNode(kPointer, true);
    rig.system.AddNode(kKeys, false);
    ASSERT_TRUE(rig.backend.Install(rig.sink));

    rig.backend.SetInterceptedButtons({kHookCodeForward});
    EXPECT_EQ(rig.system.Now().grabs, 1);
    EXPECT_EQ(rig.system.Now().liveMirrors, 1);
    rig.backend.SetInterceptedButtons({kHookCodeForward, kHookCodeBack});
    EXPECT_EQ(rig.system.Now().grabs, 1);  // kept, not taken again

    // Only the grabbed node passes through the mirror; the others are observed.
    ASSERT_TRUE(rig.system.Send(kKeys, Press(BTN_SIDE)));
    ASSERT_TRUE(rig.system.Send(kPointer, MotionX(1)));
    ASSERT_TRUE(rig.system.WaitMirrored(1));
    ASSERT_TRUE(rig.sink.WaitCalls(1));
    EXPECT_EQ(rig.system.Mirrored(), (Frames{{{EV_REL, REL_X, 1}, kSyn}}));

    rig.backend.SetInterceptedButtons({});
    EXPECT_EQ(rig.system.Now().liveMirrors, 0);
    ASSERT_TRUE(rig.system.Send(kPointer, MotionX(2)));
    ASSERT_TRUE(rig.system.Send(kPointer, Press(BTN_LEFT)));
    ASSERT_TRUE(rig.sink.WaitCalls(2));
    EXPECT_EQ(rig.system.Now().mirroredFrames, 1u);
}

TEST(EvdevInputBackend, ObserveModeNeverGrabs) {
    Rig rig(EvdevMode::kObserve);
    rig.system.AddNode(kPointer, true);
    rig.sink.Swallow({{WM_XBUTTONDOWN, XBUTTON2_DATA}});
    ASSERT_TRUE(rig.backend.Install(rig.sink));
    rig.backend.SetInterceptedButtons({kHookCodeForward});
    ASSERT_TRUE(rig.system.Send(kPointer, Press(BTN_EXTRA)));
    ASSERT_TRUE(rig.sink.WaitCalls(1));
    EXPECT_EQ(rig.sink.Calls(), (std::vector<HookCall>{{WM_XBUTTONDOWN, XBUTTON2_DATA}}));
    EXPECT_EQ(rig.system.Now().grabAttempts, 0);
    EXPECT_THAT(rig.backend.Status(), HasSubstr("only observed"));
}

// A grab taken or released while a button is down would send its press and its release to
// different devices, and the desktop would keep the button pressed.
TEST(EvdevInputBackend, TheGrabChangesOnlyWhileNoButtonIsDown) {
    Rig rig;
    rig.system.AddNode(kPointer, true);
    ASSERT_TRUE(rig.backend.Install(rig.sink));
    ASSERT_TRUE(rig.system.Send(kPointer, Press(BTN_LEFT)));
    ASSERT_TRUE(rig.sink.WaitCalls(1));
    rig.backend.SetInterceptedButtons({kHookCodeForward});
    EXPECT_EQ(rig.system.Now().grabAttempts, 0);
    ASSERT_TRUE(rig.system.Send(kPointer, Release(BTN_LEFT)));
    ASSERT_TRUE(rig.system.WaitUntil([](const Counts& c) { return c.grabs == 1; }));

    ASSERT_TRUE(rig.system.Send(kPointer, Press(BTN_RIGHT)));
    ASSERT_TRUE(rig.system.WaitMirrored(1));
    rig.backend.SetInterceptedButtons({});
    EXPECT_EQ(rig.system.Now().liveMirrors, 1);
    ASSERT_TRUE(rig.system.Send(kPointer, Release(BTN_RIGHT)));
    ASSERT_TRUE(rig.system.WaitUntil([](const Counts& c) { return c.liveMirrors == 0; }));
    EXPECT_EQ(rig.system.Mirrored(), (Frames{{{EV_KEY, BTN_RIGHT, 1}, kSyn}, {{EV_KEY, BTN_RIGHT, 0}, kSyn}}));
}

TEST(EvdevInputBackend, ANodeThatGoesAwayIsClosedAndTheOthersKeepServing) {
    struct Case {
        const char* name;
        std::function<void(FakeEvdevSystem&)> addPointer;
        std::function<void(Rig&)> takeAway;  // and waits until the backend has let go
    };
    const Case cases[] = {
        {"the writer closes",
         [](FakeEvdevSystem& s) { s.AddNode(kPointer, true); },
         [](Rig& rig) { rig.system.CloseWriter(kPointer); }},
        {"its reads fail",
         [](FakeEvdevSystem& s) { s.AddBrokenNode(kPointer, true); },
         [](Rig& rig) { EXPECT_TRUE(rig.notices.WaitFor("reading /dev/input/event5 failed")); }},
        {"udev announces its removal",
         [](FakeEvdevSystem& s) { s.AddNode(kPointer, true); },
         [](Rig& rig) {
             rig.system.AnnounceRemoval(kPointer);
             EXPECT_TRUE(rig.system.WaitClosedByBackend(kPointer));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        c.addPointer(rig.system);
        rig.system.AddNode(kKeys, false);
        ASSERT_TRUE(rig.backend.Install(rig.sink));
        rig.backend.SetInterceptedButtons({kHookCodeForward});
        c.takeAway(rig);
        EXPECT_TRUE(rig.system.WaitUntil([](const Counts& c) { return c.liveMirrors == 0; }));
        ASSERT_TRUE(rig.system.Send(kKeys, Press(BTN_SIDE)));
        ASSERT_TRUE(rig.sink.WaitCalls(1));
        EXPECT_EQ(rig.sink.Calls().back(), (HookCall{WM_XBUTTONDOWN, XBUTTON1_DATA}));
    }
}

TEST(EvdevInputBackend, AMousePluggedInLaterIsServedAndGrabbedEachTime) {
    Rig rig;
    ASSERT_TRUE(rig.backend.Install(rig.sink));
    EXPECT_THAT(rig.backend.Status(), HasSubstr("not present"));
    rig.backend.SetInterceptedButtons({kHookCodeForward});
    EXPECT_EQ(rig.system.Now().grabAttempts, 0);

    for (int plug = 1; plug <= 2; ++plug) {
        rig.system.AddNode(kPointer, true, true);
        ASSERT_TRUE(rig.system.WaitUntil([plug](const Counts& c) { return c.grabs == plug; })) << plug;
        EXPECT_EQ(rig.backend.Status(), "");
        ASSERT_TRUE(rig.system.Send(kPointer, Press(BTN_LEFT)));
        ASSERT_TRUE(rig.system.Send(kPointer, Release(BTN_LEFT)));
        ASSERT_TRUE(rig.system.WaitMirrored(2 * static_cast<std::size_t>(plug)));
        rig.system.AnnounceRemoval(kPointer);
        ASSERT_TRUE(rig.system.WaitUntil([](const Counts& c) { return c.liveMirrors == 0; }));
    }
    EXPECT_EQ(rig.sink.Calls().size(), 4u);
}

TEST(EvdevInputBackend, InterceptedButtonsNeverReachOtherPrograms) {
    Rig rig;
    rig.system.AddNode(kPointer, true);
    InputHooks hooks(rig.backend);
    testing::RecordingTarget owner;
    ASSERT_TRUE(hooks.InstallInputHooks(&owner));
    hooks.InterceptButton(kHookCodeForward);

    ASSERT_TRUE(rig.system.Send(kPointer, {Event(EV_MSC, MSC_SCAN, 0x90005), Event(EV_KEY, BTN_EXTRA, 1),
                                           Event(EV_REL, REL_X, 2), Syn()}));
    ASSERT_TRUE(rig.system.Send(kPointer, {Event(EV_MSC, MSC_SCAN, 0x90005), Event(EV_KEY, BTN_EXTRA, 0), Syn()}));
    ASSERT_TRUE(rig.system.Send(kPointer, Press(BTN_LEFT)));
    ASSERT_TRUE(rig.system.Send(kPointer, Release(BTN_LEFT)));
    ASSERT_TRUE(rig.system.WaitMirrored(3));
    EXPECT_EQ(rig.system.Mirrored(), (Frames{{{EV_MSC, MSC_SCAN, 0x90005}, {EV_REL, REL_X, 2}, kSyn},
                                             {{EV_KEY, BTN_LEFT, 1}, kSyn},
                                             {{EV_KEY, BTN_LEFT, 0}, kSyn}}));
    const std::vector<Message> posted = owner.Take();
    const auto hostActions = std::count_if(posted.begin(), posted.end(), [](const Message& m) {
        return m.msg == UM_HOST_ACTION && m.wParam == kHookCodeForward;
    });
    EXPECT_EQ(hostActions, 1);
    hooks.RemoveInputHooks();
}

// A mirror that stops taking events would leave the mouse dead behind its grab.
TEST(EvdevInputBackend, AFailingMirrorGivesTheMouseBackAndSaysSo) {
    Rig rig;
    rig.system.AddNode(kPointer, true);
    ASSERT_TRUE(rig.backend.Install(rig.sink));
    rig.backend.SetInterceptedButtons({kHookCodeForward});
    ASSERT_EQ(rig.system.Now().liveMirrors, 1);
    rig.system.FailMirrorWrites();
    ASSERT_TRUE(rig.system.Send(kPointer, MotionX(4)));
    ASSERT_TRUE(rig.system.WaitUntil([](const Counts& c) { return c.liveMirrors == 0; }));
    EXPECT_TRUE(rig.notices.WaitFor("stopped taking events"));
    EXPECT_THAT(rig.backend.Status(), HasSubstr("stopped taking events"));

    ASSERT_TRUE(rig.system.Send(kPointer, Press(BTN_LEFT)));
    ASSERT_TRUE(rig.sink.WaitCalls(1));
    EXPECT_EQ(rig.system.Now().grabAttempts, 1);  // no new try until the set changes
}

TEST(EvdevInputBackend, ARefusedGrabIsToldOnceAndTriedAgainWithTheNextSet) {
    Rig rig;
    rig.system.SetGrabError("Device or resource busy");
    rig.system.AddNode(kPointer, true);
    ASSERT_TRUE(rig.backend.Install(rig.sink));
    rig.backend.SetInterceptedButtons({kHookCodeForward});
    EXPECT_EQ(rig.system.Now().grabAttempts, 1);
    EXPECT_THAT(rig.backend.Status(), HasSubstr("Device or resource busy"));

    ASSERT_TRUE(rig.system.Send(kPointer, Press(BTN_LEFT)));
    ASSERT_TRUE(rig.system.Send(kPointer, Release(BTN_LEFT)));
    ASSERT_TRUE(rig.sink.WaitCalls(2));
    rig.backend.SetInterceptedButtons({kHookCodeForward});
    EXPECT_EQ(rig.system.Now().grabAttempts, 2);
    EXPECT_EQ(rig.notices.Count(), 1u);

    rig.system.SetGrabError("");
    rig.backend.SetInterceptedButtons({kHookCodeForward, kHookCodeBack});
    EXPECT_EQ(rig.system.Now().grabs, 1);
    EXPECT_EQ(rig.backend.Status(), "");
}

TEST(EvdevInputBackend, TheSetOutlivesRemoveAndInstall) {
    Rig rig;
    rig.system.AddNode(kPointer, true);
    rig.backend.SetInterceptedButtons({kHookCodeForward});
    ASSERT_TRUE(rig.backend.Install(rig.sink));
    ASSERT_TRUE(rig.system.WaitUntil([](const Counts& c) { return c.grabs == 1; }));

    rig.backend.Remove();
    EXPECT_EQ(rig.system.Now().liveMirrors, 0);
    EXPECT_TRUE(rig.system.WaitClosedByBackend(kPointer));

    ASSERT_TRUE(rig.backend.Install(rig.sink));
    ASSERT_TRUE(rig.system.WaitUntil([](const Counts& c) { return c.grabs == 2 && c.liveMirrors == 1; }));
}

TEST(EvdevInputBackend, InstallNeedsANodeOrTheWatchAndStatusSaysWhatIsMissing) {
    struct Case {
        const char* name;
        std::function<void(FakeEvdevSystem&)> prepare;
        bool installs;
        std::vector<std::string> status;  // parts of it
    };
    const Case cases[] = {
        {"no watch, no node", [](FakeEvdevSystem& s) { s.FailWatch(); }, false, {"no udev here", "not present"}},
        {"no node yet", [](FakeEvdevSystem&) {}, true, {"not present: nothing is heard until it is plugged in"}},
        {"no watch",
         [](FakeEvdevSystem& s) {
             s.FailWatch();
             s.AddNode(kPointer, true);
         },
         true,
         {"no udev here: a mouse plugged in later is not heard"}},
        {"a node denied",
         [](FakeEvdevSystem& s) {
             s.AddNode(kPointer, true);
             s.DenyNode(kKeys, "Permission denied");
         },
         true,
         {"cannot read /dev/input/event6 (Permission denied)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        c.prepare(rig.system);
        EXPECT_EQ(rig.backend.Install(rig.sink), c.installs);
        for (const std::string& part : c.status) EXPECT_THAT(rig.backend.Status(), HasSubstr(part));
    }
}

}  // namespace
}  // namespace oryn7px
