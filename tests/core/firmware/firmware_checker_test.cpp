#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "core/app/device_presence_rules.h"
#include "core/base/messages.h"
#include "core/base/sha256.h"
#include "core/firmware/firmware_checker.h"
#include "core/firmware/firmware_texts.h"
#include "core/firmware/firmware_fixture.h"

namespace oryn7px::testing {
namespace {

using std::chrono_literals::operator""ms;

const Message kClose{WM_CLOSE, 0, 0};

TEST_F(FirmwareFixture, TheOnlineAnswerFollowsTheVersions) {
    enum class Answer { kQuestion, kLatest, kUnreadable };
    struct Case {
        uint32_t device;
        std::string current;
        bool served;
        Answer expected;
    };
    const std::vector<Case> cases = {
        {103, "104", true, Answer::kQuestion},     // newer firmware offered
        {104, "104", true, Answer::kLatest},       // the same
        {105, "104", true, Answer::kLatest},       // the mouse is ahead
        {0, "1", true, Answer::kQuestion},         // the mouse never said: any positive version is newer
        {103, "", true, Answer::kUnreadable},      // no `current` is no version
        {103, "-104", true, Answer::kUnreadable},  // a sign is not a version
        {103, "105abc", true, Answer::kUnreadable},
        {103, "104", false, Answer::kLatest},      // the description cannot be downloaded
    };
    for (const Case& c : cases) {
        // Each case goes online: no description from the case before.
        std::filesystem::remove(files.Description());
        downloader.answers.clear();
        if (c.served) downloader.Serve(kUpdateUrl, UpdateXml(c.current, kImageUrl));
        messages.shown.clear();
        messages.questionAnswer = kBoxCancel;
        page.SetFirmwareVersion(c.device);
        PressUpdateAndLetTheThreadRun();
        const ShownMessage expected = c.expected == Answer::kQuestion ? Question()
                                      : c.expected == Answer::kLatest ? Latest()
                                                                      : Unreadable();
        EXPECT_EQ(messages.Shown(), std::vector{expected}) << c.device << " vs '" << c.current << "'";
        EXPECT_EQ(checker.bFwCheckIdle, 1);
        EXPECT_EQ(checker.bFwAnswerGiven, 0);
        EXPECT_EQ(deviceState.Read().activity, DeviceActivity::kIdle);
    }
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(FirmwareFixture, AnUnreadableDescriptionIsSaidAndTheOneBeforeStays) {
    const std::string before = UpdateXml("103", kImageUrl);
    const std::vector<std::string> answers = {
        "",
        "garbage",
        UpdateXml("104", kImageUrl).substr(0, 60),  // cut off
        "<update><software><current>104</current></software></update>",
        UpdateXml("105abc", kImageUrl),
        UpdateXml("105.5", kImageUrl),
        UpdateXml("1e3", kImageUrl),
    };
    for (const std::string& answer : answers) {
        WriteAll(files.Description(), Bytes(before));
        downloader.Serve(kUpdateUrl, answer);
        messages.shown.clear();
        PressUpdateAndLetTheThreadRun();
        EXPECT_EQ(messages.Shown(), std::vector{Unreadable()}) << answer;
        EXPECT_EQ(ReadAll(files.Description()), Bytes(before)) << answer;
        EXPECT_EQ(checker.bFwCheckIdle, 1);
    }
    EXPECT_EQ(downloader.requests.size(), answers.size());
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(FirmwareFixture, AcceptingDownloadsTheImageAndHandsOverToTheFlashingTool) {
    const std::string image = "firmware 104";
    downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl, Sha256Hex(Bytes(image))));
    downloader.Serve(kImageUrl, image);
    DeviceActivity stateDuringCheck = DeviceActivity::kIdle;
    downloader.whileDownloading = [&] { stateDuringCheck = deviceState.Read().activity; };
    PressUpdateAndLetTheThreadRun();

    EXPECT_EQ(stateDuringCheck, DeviceActivity::kFirmwareCheck);
    EXPECT_EQ(messages.Shown(), std::vector{Question()});
    EXPECT_EQ(ReadAll(files.Image()), Bytes(image));
    EXPECT_EQ(ReadAll(files.Description()), Bytes(UpdateXml("104", kImageUrl, Sha256Hex(Bytes(image)))));
    EXPECT_EQ(checker.FirmwareUrl(), kImageUrl);
    EXPECT_EQ(shell.calls, std::vector{FlasherCall()});
    EXPECT_EQ(mainWindow.Take(), std::vector{kClose});
    ASSERT_EQ(downloader.requests.size(), 2u);
    EXPECT_EQ(downloader.requests[0].maxBytes, 64u * 1024);
    EXPECT_EQ(downloader.requests[1].maxBytes, 16u * 1024 * 1024);
}

TEST_F(FirmwareFixture, DecliningEndsThePassWithoutAnotherWord) {
    downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl));
    messages.questionAnswer = kBoxCancel;
    PressUpdateAndLetTheThreadRun();
    EXPECT_EQ(messages.Shown(), std::vector{Question()});
    EXPECT_EQ(downloader.requests.size(), 1u);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(mainWindow.Take().empty());
}

TEST_F(FirmwareFixture, AFailedImageDownloadIsSaidAndTheProgramStays) {
    struct Case {
        const char* what;
        std::string sha256;
        bool served;
    };
    const std::string image = "firmware 104";
    const std::vector<Case> cases = {
        {"not found", "", false},
        {"wrong digest", std::string(64, 'a'), true},
        {"malformed digest", "xyz", true},
    };
    const std::vector<uint8_t> earlier = Bytes("the image of an earlier check");
    for (const Case& c : cases) {
        std::filesystem::remove(files.Description());
        downloader.answers.clear();
        downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl, c.sha256));
        if (c.served) downloader.Serve(kImageUrl, image);
        WriteAll(files.Image(), earlier);
        messages.shown.clear();
        PressUpdateAndLetTheThreadRun();
        EXPECT_EQ(messages.Shown(), (std::vector{Question(), ImageFailed()})) << c.what;
        // A bad download never replaces a good image.
        EXPECT_EQ(ReadAll(files.Image()), earlier) << c.what;
        EXPECT_EQ(checker.bFwCheckIdle, 1);
    }
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(mainWindow.Take().empty());
}

TEST_F(FirmwareFixture, TheDigestMayBeWrittenInCapitals) {
    const std::string image = "firmware 104";
    std::string digest = Sha256Hex(Bytes(image));
    for (char& c : digest) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl, digest));
    downloader.Serve(kImageUrl, image);
    PressUpdateAndLetTheThreadRun();
    EXPECT_EQ(ReadAll(files.Image()), Bytes(image));
    EXPECT_EQ(shell.calls, std::vector{FlasherCall()});
}

TEST_F(FirmwareFixture, AMissingFlashingToolIsSaidAndTheProgramStaysOpen) {
    downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl));
    downloader.Serve(kImageUrl, "image");
    shell.runSucceeds = false;
    PressUpdateAndLetTheThreadRun();
    EXPECT_EQ(messages.Shown(),
              (std::vector{Question(), ShownMessage{Box::kProgram,
                                                    FlashingToolMissingText(false, FlashingToolPath(Program()))}}));
    EXPECT_TRUE(mainWindow.Take().empty());
}

TEST_F(FirmwareFixture, AnAnswerAfterThreeSecondsMeetsTheTimersAnswerAndStaysSilent) {
    downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl), 3000);
    downloader.whileDownloading = [&] { timer.FireIfDue(checker); };
    page.PressUpdate();
    EXPECT_TRUE(timer.Running());
    checker.RunPass();

    EXPECT_EQ(messages.Shown(), std::vector{Latest()});
    EXPECT_EQ(clock.TickCount(), 3000u);
    EXPECT_FALSE(timer.Running());
    EXPECT_FALSE(checker.hFwEvent.IsSet());
    EXPECT_EQ(checker.bFwCheckIdle, 1);
    EXPECT_EQ(checker.bFwAnswerGiven, 0);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(FirmwareFixture, AnAnswerWithinTwoSecondsStopsTheTimer) {
    downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl), 1900);
    downloader.whileDownloading = [&] { timer.FireIfDue(checker); };
    messages.questionAnswer = kBoxCancel;
    PressUpdateAndLetTheThreadRun();
    clock.Advance(5000);
    timer.FireIfDue(checker);
    EXPECT_EQ(messages.Shown(), std::vector{Question()});
}

TEST_F(FirmwareFixture, ATimerFiringWhileTheThreadAnswersDoesNotAnswerToo) {
    // The thread's stop arrives after the timer's expiry: the question is open when time is up.
    downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl), 1900);
    timer.lateStop = true;
    messages.questionAnswer = kBoxCancel;
    messages.whileShown = [&] {
        messages.whileShown = nullptr;
        clock.Advance(200);
        timer.FireIfDue(checker);
    };
    PressUpdateAndLetTheThreadRun();
    EXPECT_EQ(messages.Shown(), std::vector{Question()});
    EXPECT_FALSE(timer.Running());
}

TEST_F(FirmwareFixture, ASecondPressWhileACheckRunsDoesNothing) {
    downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl));
    messages.questionAnswer = kBoxCancel;
    page.PressUpdate();
    checker.hFwEvent.Reset();
    page.PressUpdate();
    EXPECT_EQ(timer.starts, 1);
    EXPECT_FALSE(checker.hFwEvent.IsSet());
    EXPECT_TRUE(messages.Shown().empty());

    checker.RunPass();
    // Once the pass has ended the button works again; the description just downloaded now
    // offers the update from the local check.
    PressUpdateAndLetTheThreadRun();
    EXPECT_EQ(timer.starts, 1);
    EXPECT_EQ(messages.Shown(), (std::vector{Question(), Question()}));
}

TEST_F(FirmwareFixture, TheTimersAnswerWithoutAPassDoesNotSilenceTheNextCheck) {
    // No thread took the first request (none runs without a device link).
    page.PressUpdate();
    clock.Advance(2000);
    timer.FireIfDue(checker);
    page.PressUpdate();
    clock.Advance(2000);
    timer.FireIfDue(checker);
    EXPECT_EQ(messages.Shown(), (std::vector{Latest(), Latest()}));
}

TEST_F(FirmwareFixture, TheLocalDescriptionOffersTheUpdateWithoutGoingOnline) {
    struct Case {
        uint32_t device;
        int answer;
        bool expectFlasher;
    };
    const std::vector<Case> cases = {{103, kBoxOk, true}, {103, kBoxCancel, false}, {0, kBoxOk, true}};
    WriteAll(files.Description(), Bytes(UpdateXml("104", kImageUrl)));
    for (const Case& c : cases) {
        messages.shown.clear();
        shell.calls.clear();
        messages.questionAnswer = c.answer;
        page.SetFirmwareVersion(c.device);
        page.PressUpdate();
        EXPECT_EQ(messages.Shown(), std::vector{Question()}) << c.device;
        EXPECT_EQ(shell.calls.size(), c.expectFlasher ? 1u : 0u) << c.device;
        EXPECT_EQ(mainWindow.Take().size(), c.expectFlasher ? 1u : 0u) << c.device;
        EXPECT_EQ(checker.bFwCheckIdle, 1);
        EXPECT_EQ(timer.starts, 0);
        EXPECT_FALSE(checker.hFwEvent.IsSet());
    }
    EXPECT_TRUE(downloader.requests.empty());
}

TEST_F(FirmwareFixture, ALocalDescriptionThatOffersNothingLeadsOnline) {
    for (const std::string& local : {std::string(), UpdateXml("103", kImageUrl), std::string("<<<not xml\xff\xfe")}) {
        if (local.empty()) std::filesystem::remove(files.Description());
        else WriteAll(files.Description(), Bytes(local));
        checker.bFwCheckIdle = 1;
        page.PressUpdate();
        EXPECT_TRUE(checker.hFwEvent.IsSet()) << local;
        EXPECT_TRUE(messages.Shown().empty()) << local;
        checker.hFwEvent.Reset();
    }
}

TEST_F(FirmwareFixture, ALocalDescriptionOffersItsUpdateOnlyWithItsOwnImageBesideIt) {
    struct Case {
        const char* what;
        std::optional<std::string> image;
        bool offeredLocally;
    };
    const std::string image = "firmware 104";
    const std::vector<Case> cases = {
        {"its image", image, true},
        {"the image of an earlier check", std::string("firmware 103"), false},
        {"no image", std::nullopt, false},
    };
    WriteAll(files.Description(), Bytes(UpdateXml("104", kImageUrl, Sha256Hex(Bytes(image)))));
    page.SetFirmwareVersion(103);
    for (const Case& c : cases) {
        if (c.image) WriteAll(files.Image(), Bytes(*c.image));
        else std::filesystem::remove(files.Image());
        messages.shown.clear();
        messages.questionAnswer = kBoxCancel;
        checker.bFwCheckIdle = 1;
        checker.hFwEvent.Reset();
        page.PressUpdate();
        EXPECT_EQ(messages.Shown().size(), c.offeredLocally ? 1u : 0u) << c.what;
        EXPECT_EQ(checker.hFwEvent.IsSet(), !c.offeredLocally) << c.what;
    }
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(FirmwareFixture, AFailedDescriptionDownloadKeepsTheOldDescription) {
    const std::string old = UpdateXml("103", kImageUrl);
    WriteAll(files.Description(), Bytes(old));
    PressUpdateAndLetTheThreadRun();
    EXPECT_EQ(messages.Shown(), std::vector{Latest()});
    EXPECT_EQ(ReadAll(files.Description()), Bytes(old));
}

TEST_F(FirmwareFixture, TheThreadAnswersWhenSignalledAndStopsWhenTheProgramCloses) {
    downloader.Serve(kUpdateUrl, UpdateXml("104", kImageUrl));
    messages.questionAnswer = kBoxCancel;
    checker.Start(mainWindow);
    page.PressUpdate();
    for (int i = 0; i < 500 && checker.bFwCheckIdle == 0; ++i) std::this_thread::sleep_for(2ms);
    EXPECT_EQ(messages.Shown(), std::vector{Question()});
    EXPECT_FALSE(checker.WaitForEnd(0ms));
    checker.Stop();
    EXPECT_TRUE(checker.WaitForEnd(5000ms));
}

// A download that lasts until it is cancelled.
class EndlessDownloader final : public Downloader {
public:
    Result<std::vector<uint8_t>> Fetch(const std::string&, const DownloadLimits&,
                                       const std::atomic<bool>* cancel) override {
        started.Set();
        while (cancel == nullptr || !*cancel) std::this_thread::sleep_for(1ms);
        return Error{ErrorKind::kCancelled, "cancelled"};
    }
    ManualResetEvent started;
};

TEST_F(FirmwareFixture, ClosingCancelsARunningDownloadAndSaysNothing) {
    EndlessDownloader endless;
    FirmwareChecker closing{FirmwareCheckLinks{endless, writer, strings, messages, shell, timer, deviceState,
                                               [] { return false; }, Program(), files, kUpdateUrl}};
    closing.Start(mainWindow);
    closing.RequestOnlineCheck();
    ASSERT_TRUE(endless.started.WaitFor(5000ms));
    closing.Stop();
    EXPECT_TRUE(closing.WaitForEnd(5000ms));
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace oryn7px::testing
