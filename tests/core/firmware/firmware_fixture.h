#pragma once
// The firmware check without network, screen or threads: a downloader that answers from a
// table after a pause on the virtual clock, timer 5 on the same clock, scripted message boxes.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/base/clock.h"
#include "core/firmware/firmware_checker.h"
#include "core/firmware/firmware_texts.h"
#include "core/i18n/string_table.h"
#include "core/pages/support_page/support_page_model.h"
#include "core/support/settings_fixture.h"
#include "fakes/recording_shell.h"
#include "fakes/recording_target.h"
#include "core/i18n/fake_converter.h"
#include "core/i18n/temp_dir.h"

namespace oryn7px::testing {

inline std::string UpdateXml(const std::string& current, const std::string& newfile, const std::string& sha256 = {}) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<update>\n <firmware>\n";
    if (!current.empty()) xml += "  <current>" + current + "</current>\n";
    xml += "  <newfile>" + newfile + "</newfile>\n";
    if (!sha256.empty()) xml += "  <sha256>" + sha256 + "</sha256>\n";
    return xml + " </firmware>\n</update>\n";
}

inline std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

class FakeDownloader final : public Downloader {
public:
    struct Answer {
        Result<std::vector<uint8_t>> result;
        uint32_t takesMs = 100;
    };

    explicit FakeDownloader(VirtualClock& clock) : clock_(clock) {}

    Result<std::vector<uint8_t>> Fetch(const std::string& url, const DownloadLimits& limits,
                                       const std::atomic<bool>*) override {
        {
            std::lock_guard lock(mutex_);
            requests.push_back({url, limits.maxBytes});
        }
        const auto it = answers.find(url);
        const Answer answer = it != answers.end() ? it->second : Answer{Error{ErrorKind::kRefused, "HTTP 404"}};
        clock_.SleepMs(answer.takesMs);
        if (whileDownloading) whileDownloading();
        return answer.result;
    }

    void Serve(const std::string& url, std::string_view body, uint32_t takesMs = 100) {
        answers.insert_or_assign(url, Answer{Bytes(body), takesMs});
    }

    struct Request {
        std::string url;
        uint64_t maxBytes;
    };
    std::map<std::string, Answer> answers;
    std::function<void()> whileDownloading;  // the UI thread's turn while the thread waits
    std::vector<Request> requests;

private:
    VirtualClock& clock_;
    std::mutex mutex_;
};

// Timer 5 on the virtual clock; `lateStop` makes a stop from the thread arrive too late, as a
// queued stop can.
class VirtualAnswerTimer final : public AnswerTimer {
public:
    explicit VirtualAnswerTimer(VirtualClock& clock) : clock_(clock) {}
    void Start(uint32_t milliseconds) override {
        ++starts;
        due_ = clock_.TickCount() + milliseconds;
    }
    void Stop() override {
        if (!lateStop) due_.reset();
    }
    bool Running() const { return due_.has_value(); }
    // The UI thread's event loop: fires the timer when its time has come.
    void FireIfDue(FirmwareChecker& checker) {
        if (!due_ || clock_.TickCount() < *due_) return;
        lateStop = false;
        checker.OnAnswerTimer();
    }

    int starts = 0;
    bool lateStop = false;

private:
    VirtualClock& clock_;
    std::optional<uint32_t> due_;
};

// Answers questions as told and records every box; safe from any thread.
class ScriptedMessages final : public UserMessages {
public:
    int ShowInfoBox(std::u16string_view text, bool ask) override {
        std::function<void()> hook;
        {
            std::lock_guard lock(mutex_);
            shown.push_back({ask ? Box::kProgramQuestion : Box::kProgram, std::u16string(text)});
            hook = whileShown;
        }
        if (hook) hook();
        return ask ? questionAnswer : kBoxOk;
    }
    int ShowCountDownBox(std::u16string_view text) override {
        std::lock_guard lock(mutex_);
        shown.push_back({Box::kCountDown, std::u16string(text)});
        return kBoxCancel;
    }
    void ShowInfoCaptionBox(std::u16string_view text) override {
        std::lock_guard lock(mutex_);
        shown.push_back({Box::kInfoCaption, std::u16string(text)});
    }
    std::vector<ShownMessage> Shown() {
        std::lock_guard lock(mutex_);
        return shown;
    }

    int questionAnswer = kBoxOk;
    std::function<void()> whileShown;
    std::vector<ShownMessage> shown;

private:
    std::mutex mutex_;
};

inline constexpr const char* kUpdateUrl = "http://127.0.0.1:1/software/ORYN7PX/update.xml";
inline constexpr const char* kImageUrl = "http://127.0.0.1:1/fw/104.bin";

class FirmwareFixture : public ::testing::Test {
protected:
    FirmwareFixture() {
        std::filesystem::create_directories(files.folder);
        page.SetFirmwareVersion(103);
        checker.AttachMainWindow(mainWindow);
    }

    ShownMessage Question() const { return {Box::kProgramQuestion, UpdateQuestionText(false)}; }
    ShownMessage Latest() const { return {Box::kProgram, LatestVersionText(false)}; }
    ShownMessage Unreadable() const { return {Box::kProgram, UnreadableDescriptionText(false)}; }
    ShownMessage ImageFailed() const { return {Box::kProgram, ImageDownloadFailedText()}; }
    std::filesystem::path Program() const { return dir.path() / "program"; }
    std::string FlasherCall() const {
        return "run " + FlashingToolPath(Program()).string() + " [0] in " + files.folder.string();
    }
    // The user presses Update; the thread (run here in line) makes its pass when signalled.
    void PressUpdateAndLetTheThreadRun() {
        page.PressUpdate();
        if (checker.hFwEvent.IsSet()) checker.RunPass();
    }

    TempDir dir;
    VirtualClock clock;
    FakeConverter converter;
    StringTable strings{converter};
    FakeDownloader downloader{clock};
    FaultyWriter writer;
    ScriptedMessages messages;
    RecordingShell shell;
    VirtualAnswerTimer timer{clock};
    DeviceState deviceState;
    UpdateFiles files{UpdateFolderBelow(dir.path() / "program")};
    FirmwareChecker checker{FirmwareCheckLinks{downloader, writer, strings, messages, shell, timer, deviceState,
                                               [] { return false; }, dir.path() / "program", files, kUpdateUrl}};
    SupportPageModel page{&checker, messages, [] { return false; }};
    RecordingTarget mainWindow;
};

}  // namespace oryn7px::testing
