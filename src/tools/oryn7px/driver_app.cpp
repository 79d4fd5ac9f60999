#include "driver_app.h"

#include <QApplication>
#include <QEventLoop>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "core/app/single_instance.h"
#include "core/base/messages.h"
#include "core/firmware/firmware_checker.h"
#include "core/i18n/languages.h"
#include "core/settings/data_files.h"
#include "core/settings/fresh_installation.h"
#include "platform/emulator/hid_bootloader_probe.h"
#include "platform/emulator/polling_device_presence.h"
#include "platform/emulator/virtual_mouse_presence.h"
#include "core/base/utf16.h"
#include "platform/linux/data_folder_lock.h"
#include "platform/linux/desktop_notice_memory.h"
#include "platform/linux/posix_termination_signals.h"
#include "platform/linux/runtime_dir.h"
#include "platform/linux/sysfs_bootloader_probe.h"
#include "platform/linux/udev_device_presence.h"
#include "ui/frame/main_dialog.h"
#include "ui/frame/progress_dialog.h"
#include "ui/frame/qt_answer_timer.h"
#include "ui/frame/session_end.h"
#include "ui/frame/single_instance_server.h"
#include "ui/skin/message_event.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

CQ580ZDriverApp::CQ580ZDriverApp(AppOptions options)
    : strAppDir(ProgramFolder()),
      options_(options),
      paths_(LinuxPaths::FromEnvironment(ProcessEnvironment, FillFreshDataFolder)),
      strings_(converter_),
      state_(std::make_unique<SettingsState>()),
      messages_(strings_),
      store_(*state_, paths_, writer_, messages_, strings_),
      library_(*state_, paths_, writer_, messages_, strings_, clock_),
      statistics_(paths_, writer_, messages_, strings_),
      backend_(ChooseHidBackend(options.virtualMouse, clock_)),
      driver_(*backend_.backend, clock_),
      log_(logFiles_),
      desktop_(ChooseDesktopBackends(ProcessEnvironment, [this](const std::string& notice) { OnHookNotice(notice); })),
      hooks_(*desktop_->hooks),
      autostart_(writer_, DefaultAutostartEntry(LinuxConfigHome(ProcessEnvironment)), ExecutableFolder() / "oryn7px"),
      hostActions_(state_->profile, shell_, log_, LogFilePath(paths_.TempFolder())) {
    ChoosePresenceAndProbe();
    if (desktop_->NeedsWindowKeys()) windowKeys_ = std::make_unique<WindowKeyFeed>(hooks_);
}

CQ580ZDriverApp::~CQ580ZDriverApp() {
    dialog_.reset();
    if (presence_) presence_->Stop();
}

void CQ580ZDriverApp::ChoosePresenceAndProbe() {
    switch (backend_.kind) {
        case HidBackendKind::System:
            bootloader_ = std::make_unique<SysfsBootloaderProbe>();
            presence_ = std::make_unique<UdevDevicePresence>();
            break;
        case HidBackendKind::Emulator:
            bootloader_ = std::make_unique<HidBootloaderProbe>(*backend_.backend);
            presence_ = std::make_unique<PollingDevicePresence>(*backend_.backend);
            break;
        case HidBackendKind::InProcess:
            bootloader_ = std::make_unique<HidBootloaderProbe>(*backend_.backend);
            presence_ = std::make_unique<VirtualMousePresence>(*backend_.virtualMouse);
            break;
    }
}

void CQ580ZDriverApp::OnHookNotice(const std::string& notice) {
    WriteLogEntry(log_, LogFilePath(paths_.TempFolder()), notice, CLog::kWarning);
}

void CQ580ZDriverApp::LogNotice(std::string_view notice) {
    std::cerr << "oryn7px: " << notice << "\n";
    WriteLogEntry(log_, LogFilePath(paths_.TempFolder()), notice, CLog::kWarning);
}

bool CQ580ZDriverApp::ReportDesktop() {
    std::fprintf(stderr, "oryn7px: Desktop input: %s\n", Utf16ToUtf8(DesktopInputSummary(desktop_->input, false)).c_str());
    std::fprintf(stderr, "oryn7px: %s\n", Utf16ToUtf8(ForegroundSupportLine(desktop_->foreground, false)).c_str());
    // The hint bar's notice decides whether there is anything to say.
    if (DesktopNoticeText(desktop_->input, desktop_->pointer->Support().Any(), false).empty()) return false;
    DesktopNoticeMemory memory(writer_, DefaultDesktopNoticeFile(LinuxConfigHome(ProcessEnvironment)));
    return memory.IsNew(desktop_->Situation());
}

void CQ580ZDriverApp::CreateFirmwareChecker() {
    answerTimer_ = std::make_unique<QtAnswerTimer>([this] { firmware_->OnAnswerTimer(); });
    const std::filesystem::path programFolder = strAppDir.toStdString();
    firmware_ = std::make_unique<FirmwareChecker>(FirmwareCheckLinks{
        downloader_, writer_, strings_, messages_, shell_, *answerTimer_, shared_.deviceState,
        [this] { return state_->bChinese == 1; }, programFolder,
        UpdateFiles{ChooseUpdateFolder(programFolder, paths_.DataFolder())},
        UpdateAddress(std::getenv(kUpdateUrlVariable))});
}

void CQ580ZDriverApp::EndFirmwareChecker() {
    if (!firmware_) return;
    // The thread may be waiting for a box on this thread: keep the events flowing until it ends.
    firmware_->Stop();
    while (!firmware_->WaitForEnd(std::chrono::milliseconds(20))) QCoreApplication::processEvents();
    firmware_.reset();
}

int CQ580ZDriverApp::InitInstance() {
    const std::string runtimeDir = UserRuntimeDir();
    singleInstance_ = std::make_unique<SingleInstanceServer>(
        runtimeDir.empty() ? QString() : QString::fromStdString(SingleInstanceSocketPath(runtimeDir)));
    if (singleInstance_->ClaimOrHandOver() == SingleInstanceServer::Claim::kHandedOver) return 0;
    dataLock_ = DataFolderLock::ForProgram(paths_.DataFolder());

    // Every text has its Simplified Chinese value before any window exists.
    strings_.LoadLanguageFile(LanguageFilePath(strAppDir.toStdString(), kLanguageSimplifiedChinese));
    // A full disk at the first start: the files' own boxes would only call them missing.
    for (const Error& error : paths_.NewFolderErrors())
        messages_.ShowInfoCaptionBox(Utf8ToUtf16("The new data folder could not be filled: " + error.message));
    progress_ = std::make_unique<CDlgProgress>(strings_);
    CreateFirmwareChecker();
    services_ = std::make_unique<AppServices>(AppServices{
        *state_, store_, library_, messages_, strings_, driver_, clock_, *bootloader_, presence_.get(), shared_,
        *desktop_->pointer, &hooks_, &hostActions_, &log_, *progress_, strAppDir,
        [this](const QString& program, const QStringList& arguments) {
            std::vector<std::string> args;
            for (const QString& argument : arguments) args.push_back(argument.toStdString());
            return shell_.RunProgram(program.toStdString(), args);
        },
        keyboardLayout_, statistics_, desktop_->Cursor(), firmware_.get()});
    services_->desktopInput = desktop_->input;
    services_->autostart = &autostart_;
    services_->startHidden = options_.startHidden;
    services_->announceDesktop = ReportDesktop();
    programRules_ = std::make_unique<ProgramRulesFile>(ProgramRulesPathOf(paths_.DataFolder()), writer_);
    services_->programRules = programRules_.get();
    services_->foregroundTracker = desktop_->foregroundTracker.get();
    services_->foreground = desktop_->foreground;
    services_->logNotice = [this](std::string_view notice) { LogNotice(notice); };
    services_->beginUnattended = [this] {
        messages_.BeginUnattended([this](std::string_view text) {
            std::cerr << "oryn7px: " << text << "\n";
            log_.Write(text, CLog::kError);
        });
    };
    dialog_ = std::make_unique<CQ580ZDriverDlg>(*services_);
    QEventLoop modalLoop;
    bool ended = false;
    QObject::connect(dialog_.get(), &CQ580ZDriverDlg::Ended, &modalLoop, [&] {
        ended = true;
        modalLoop.quit();
    });
    singleInstance_->SetShowHandler(
        [this] { PostMessageTo(dialog_.get(), {UM_TRAY_NOTIFY, 0, WM_LBUTTONDBLCLK}); });
    // Logging out, shutting down or `kill` end the program the way its Exit does.
    PosixTerminationSignals termination;
    const SessionEndWatcher sessionEnd(termination, [this] { PostMessageTo(dialog_.get(), {WM_CLOSE, 0, 0}); },
                                       [this] { SendMessageTo(dialog_.get(), {WM_QUERYENDSESSION, 0, 0}); });
    dialog_->OnInitDialog();
    if (!ended) modalLoop.exec();
    EndFirmwareChecker();
    // The launcher waits for this socket to go quiet before it starts the program again.
    singleInstance_->Close();
    return 0;
}

}  // namespace oryn7px
