#include "core/firmware/firmware_checker.h"

#include "core/base/messages.h"
#include "core/firmware/firmware_download.h"
#include "core/firmware/firmware_texts.h"

namespace oryn7px {

FirmwareChecker::FirmwareChecker(FirmwareCheckLinks links) : links_(std::move(links)) {}

FirmwareChecker::~FirmwareChecker() {
    Stop();
    if (thread_.joinable()) thread_.join();
}

void FirmwareChecker::AttachMainWindow(MessageTarget& mainWindow) {
    std::lock_guard lock(mutex_);
    mainWindow_ = &mainWindow;
}

void FirmwareChecker::Start(MessageTarget& mainWindow) {
    AttachMainWindow(mainWindow);
    if (thread_.joinable()) return;
    ended_.Reset();
    thread_ = std::thread([this] { ThreadLoop(); });
}

void FirmwareChecker::Stop() {
    bFwThreadRun = 0;
    cancel_ = true;
    hFwEvent.Set();
}

bool FirmwareChecker::WaitForEnd(std::chrono::milliseconds timeout) { return ended_.WaitFor(timeout); }

std::string FirmwareChecker::FirmwareUrl() const {
    std::lock_guard lock(mutex_);
    return strFirmwareUrl_;
}

void FirmwareChecker::ThreadLoop() {
    while (bFwThreadRun == 1) {
        hFwEvent.Wait();
        if (bFwThreadRun == 0) break;
        RunPass();
    }
    ended_.Set();
}

bool FirmwareChecker::BeginCheck() { return bFwCheckIdle.exchange(0) == 1; }

uint32_t FirmwareChecker::LocalOfferedVersion() {
    // A description that cannot be read offers nothing; the online check then says why. Nor does
    // one whose image is not beside it (a download that failed its digest keeps the image before):
    // the online check fetches it again rather than the flashing tool taking another image.
    const Result<UpdateDescription> description = ReadUpdateDescription(links_.strings, links_.files.Description());
    if (!description || !ImageHasDigest(links_.files.Image(), description->sha256)) return 0;
    return description->current;
}

void FirmwareChecker::RequestOnlineCheck() {
    // A pass still running for an earlier check clears the flag when it ends; otherwise the
    // timer's answer to an earlier check, with no pass after it, must not silence this one.
    if (!passRunning_) bFwAnswerGiven = 0;
    links_.answerTimer.Start(kAnswerTimerMs);
    hFwEvent.Set();
}

void FirmwareChecker::OnAnswerTimer() {
    links_.answerTimer.Stop();
    // Whoever sets the flag first answers: the thread, or this timer. So the user never gets
    // "latest version" and the update question for the same check.
    if (bFwAnswerGiven.exchange(1) == 1) return;
    hFwEvent.Reset();
    bFwCheckIdle = 1;
    links_.messages.ShowInfoBox(LatestVersionText(links_.chinese()), false);
}

void FirmwareChecker::RunPass() {
    passRunning_ = true;
    ownsDeviceState_ = links_.deviceState.BeginFirmwareCheck();
    hFwEvent.Reset();
    const Result<UpdateDescription> fetched = DownloadUpdateDescription(
        links_.downloader, links_.writer, links_.strings, links_.updateUrl, links_.files.Description(), &cancel_);
    links_.answerTimer.Stop();
    if (bFwAnswerGiven.exchange(1) == 1 || bFwThreadRun == 0) {
        EndPass();
        return;
    }
    if (fetched) {
        {
            std::lock_guard lock(mutex_);
            strFirmwareUrl_ = fetched->newfile;
            firmwareSha256_ = fetched->sha256;
        }
        if (IsNewerFirmware(deviceVersion_, fetched->current)) {
            const bool accepted = links_.messages.ShowInfoBox(UpdateQuestionText(links_.chinese()), true) == kBoxOk;
            if (accepted && bFwThreadRun == 1 && DownloadFirmwareImage()) StartFlashingTool();
            EndPass();
            return;
        }
    }
    // An answer that cannot be read is no sign that the firmware is current.
    const bool chinese = links_.chinese();
    const bool unreadable = fetched.FailedWith(ErrorKind::kInvalidData);
    links_.messages.ShowInfoBox(unreadable ? UnreadableDescriptionText(chinese) : LatestVersionText(chinese), false);
    EndPass();
}

void FirmwareChecker::EndPass() {
    bFwAnswerGiven = 0;
    bFwCheckIdle = 1;
    if (ownsDeviceState_) links_.deviceState.EndFirmwareCheck();
    ownsDeviceState_ = false;
    passRunning_ = false;
}

bool FirmwareChecker::DownloadFirmwareImage() {
    std::string url;
    std::string sha256;
    {
        std::lock_guard lock(mutex_);
        url = strFirmwareUrl_;
        sha256 = firmwareSha256_;
    }
    const Status downloaded =
        DownloadImage(links_.downloader, links_.writer, url, sha256, links_.files.Image(), &cancel_);
    if (!downloaded) links_.messages.ShowInfoBox(ImageDownloadFailedText(), false);
    return downloaded.Ok();
}

bool FirmwareChecker::StartFlashingTool() {
    const bool chinese = links_.chinese();
    const std::filesystem::path tool = FlashingToolPath(links_.programFolder);
    if (!links_.shell.RunProgramIn(tool, {FlasherArgument(chinese)}, links_.files.folder)) {
        links_.messages.ShowInfoBox(FlashingToolMissingText(chinese, tool), false);
        return false;
    }
    MessageTarget* mainWindow = nullptr;
    {
        std::lock_guard lock(mutex_);
        mainWindow = mainWindow_;
    }
    if (mainWindow != nullptr) mainWindow->Post({WM_CLOSE, 0, 0});
    return true;
}

}  // namespace oryn7px
