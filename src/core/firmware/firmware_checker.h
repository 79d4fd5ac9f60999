#pragma once
// FirmwareChecker: the firmware-check thread and the flags it shares with the support page.
// The page makes the local check and starts the online one; the thread downloads the update
// description, answers, and on the user's OK downloads the image and hands over to the
// flashing tool. The composition root owns it; the main window starts its thread.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "core/base/manual_reset_event.h"
#include "core/base/message.h"
#include "core/device/device_state.h"
#include "core/firmware/update_description.h"
#include "core/firmware/update_files.h"
#include "core/interfaces/downloader.h"
#include "core/interfaces/file_writer.h"
#include "core/interfaces/shell.h"
#include "core/interfaces/user_messages.h"

namespace oryn7px {

inline constexpr uint32_t kAnswerTimerMs = 2000;

// The support page's timer 5. Its expiry calls FirmwareChecker::OnAnswerTimer on the UI thread.
class AnswerTimer {
public:
    virtual ~AnswerTimer() = default;
    virtual void Start(uint32_t milliseconds) = 0;
    // Safe from any thread.
    virtual void Stop() = 0;
};

struct FirmwareCheckLinks {
    Downloader& downloader;
    FileWriter& writer;
    StringTable& strings;  // its XML document reads update.xml too
    UserMessages& messages;
    Shell& shell;
    AnswerTimer& answerTimer;
    DeviceState& deviceState;  // the check marks the mouse busy while no write holds it
    std::function<bool()> chinese;  // bChinese at the moment a text is needed
    std::filesystem::path programFolder;
    UpdateFiles files;
    std::string updateUrl;
};

class FirmwareChecker {
public:
    explicit FirmwareChecker(FirmwareCheckLinks links);
    // Stops and joins the thread; see WaitForEnd first where a UI thread must keep running.
    ~FirmwareChecker();
    FirmwareChecker(const FirmwareChecker&) = delete;
    FirmwareChecker& operator=(const FirmwareChecker&) = delete;

    // The window the flashing tool's hand-off closes.
    void AttachMainWindow(MessageTarget& mainWindow);
    // Attaches the window and starts the thread.
    void Start(MessageTarget& mainWindow);
    // Close sequence: the thread leaves its loop, a running download is cancelled. Does not wait.
    void Stop();
    // True once the thread has ended (or never ran).
    bool WaitForEnd(std::chrono::milliseconds timeout);

    // The mouse's version as last read; 0 when unknown.
    void SetDeviceVersion(uint32_t version) { deviceVersion_ = version; }
    uint32_t DeviceVersion() const { return deviceVersion_; }
    // The image address of the last description the thread read.
    std::string FirmwareUrl() const;

    // The Update button's steps. BeginCheck is false while a check runs (bFwCheckIdle 0).
    bool BeginCheck();
    // The version offered by the update description already in the update folder.
    uint32_t LocalOfferedVersion();
    void EndLocalCheck() { bFwCheckIdle = 1; }
    // Starts timer 5 and wakes the thread for the online check.
    void RequestOnlineCheck();
    // Timer 5 expired before the thread answered: the user hears that the firmware is current.
    void OnAnswerTimer();

    // Downloads the image of the last description; says so in a box when it fails.
    bool DownloadFirmwareImage();
    // Starts the flashing tool in the update folder and closes the program. A tool that cannot
    // be started is reported and the program stays open.
    bool StartFlashingTool();

    // One pass of the thread, after its event was signalled (tests run it directly).
    void RunPass();

    std::atomic<int32_t> bFwThreadRun{1};
    std::atomic<int32_t> bFwCheckIdle{1};
    std::atomic<int32_t> bFwAnswerGiven{0};
    ManualResetEvent hFwEvent;

private:
    void ThreadLoop();
    void EndPass();

    FirmwareCheckLinks links_;
    std::atomic<uint32_t> deviceVersion_{0};
    std::atomic<bool> cancel_{false};
    std::atomic<bool> passRunning_{false};
    bool ownsDeviceState_ = false;  // this pass marked the device state (the check thread only)
    mutable std::mutex mutex_;  // guards what follows
    std::string strFirmwareUrl_;
    std::string firmwareSha256_;
    MessageTarget* mainWindow_ = nullptr;
    ManualResetEvent ended_{true};
    std::thread thread_;
};

}  // namespace oryn7px
