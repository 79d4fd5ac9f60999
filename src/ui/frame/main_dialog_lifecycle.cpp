// The main window's start-up order, the end of the desktop session and the close sequence.
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QSaveFile>
#include <future>
#include <optional>

#include "core/app/app_texts.h"
#include "core/app/apply_handshake.h"
#include "core/app/bootloader_check.h"
#include "core/app/ini_text.h"
#include "core/app/start_up_layout.h"
#include "core/layout/frame_layout.h"
#include "core/base/messages.h"
#include "core/firmware/firmware_checker.h"
#include "core/i18n/languages.h"
#include "ui/frame/key_prefilter.h"
#include "ui/frame/main_dialog.h"
#include "ui/frame/progress_dialog.h"
#include "ui/frame/tray_icon.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace {

constexpr int kStartUpOpenAttempts = 10;
constexpr uint32_t kStartUpOpenPauseMs = 500;

// "Language"/"Type" for the flashing tool; a folder or file that cannot be written is no error.
void WriteFlasherLanguage(const QString& programFolder, bool chinese) {
    const QString path = QDir(programFolder).filePath(QStringLiteral("FWUpdate/Config.ini"));
    QFile current(path);
    const QByteArray old = current.open(QIODevice::ReadOnly) ? current.readAll() : QByteArray();
    const std::string updated = SetIniValue(old.toStdString(), "Language", "Type", chinese ? "1" : "0");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(updated.data(), static_cast<qint64>(updated.size()));
    file.commit();
}

// The pictures the window and the pages built at start-up are made from, in the start-up layout.
QStringList StartUpPictures(bool chinese) {
    QStringList pictures;
    auto add = [&pictures](const StatePictures& looks) {
        for (const char* file : {looks.normal, looks.down, looks.over}) pictures << QString::fromLatin1(file);
    };
    add(main_window::kPictures);
    for (const PageRow& row : PageTable()) {
        if (!row.builtAtStartUp) continue;
        add(chinese ? row.picturesChinese : row.pictures);
        pictures << row.controlPictures(chinese);
    }
    for (int number : chinese ? main_window::kButtonPicturesChinese : main_window::kButtonPicturesOther)
        pictures << ResourceRelativePath(number);
    for (int number : {resources::kAppIcon, resources::kTrayConfigIcon, resources::kTrayExitIcon})
        pictures << ResourceRelativePath(number);
    pictures.removeDuplicates();
    return pictures;
}

// The installer's word on the layout; nothing when the program folder has no such file.
std::optional<int> ReadLanguageType(const QString& programFolder) {
    QFile file(QDir(programFolder).filePath(QStringLiteral("skins/languagetype.ini")));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return ReadIniInt(file.readAll().toStdString(), "languagetype", "value", 0);
}

}  // namespace

bool CQ580ZDriverDlg::OnInitDialog() {
    setWindowIcon(QIcon(QPixmap::fromImage(LoadResource(resources::kAppIcon))));

    // The layout of the run, before Language.cfg's choice arrives.
    const bool chinese =
        StartsInChineseLayout(ReadLanguageType(services_.programFolder), services_.store.PeekLanguageNumber());
    services_.state.bChinese = chinese ? 1 : 0;
    bStartUpChinese_ = chinese;
    const int firstLanguage = chinese ? kLanguageSimplifiedChinese : kLanguageEnglish;
    services_.strings.LoadLanguageFile(LanguageFilePath(services_.programFolder.toStdString(), firstLanguage));
    flag_ = LoadResource(FindLanguage(firstLanguage)->buttonPictureId);
    WriteFlasherLanguage(services_.programFolder, chinese);

    // The bootloader check waits a second. Meanwhile the UI thread prepares what nobody can see
    // yet: the pictures decoded, the hidden window built, the tray icon made but not shown.
    // Nothing the user or the mouse could notice happens before the check has said no.
    std::future<bool> bootloader = std::async(std::launch::async, [this] {
        return LookForBootloader(services_.bootloader, services_.clock);
    });
    PreloadSkinPictures(StartUpPictures(chinese));
    BuildWindow();
    tray_ = new TrayIcon(this);
    if (bootloader.get()) {
        HandOverToFlasher();
        return false;
    }

    setWindowTitle(Q(MainWindowTitle()));
    services_.library.LoadMacroLibrary();
    CreatePages();
    // The controls have cut their parts: full-window pictures nobody paints whole are dropped.
    ReleaseUnusedPictures();
    tray_->Add();
    keyFilter_ = new KeyPreFilter(this, {[this] { HideToTray(); },
                                         [this] { PostMessageTo(this, {WM_COMMAND, 0, WindowHandle(applyButton_)}); },
                                         [this] {
                                             const CPageDlg* shown = pages_[nSelectedPage_ - 1];
                                             return shown != nullptr && shown->TakesKeyboard();
                                         }});
    services_.store.LoadProfileIndex();
    ShowProfileSelection();
    if (services_.presence) services_.presence->Start(*this);
    PostMessageTo(this, {UM_SET_LANGUAGE, kLanguageAtStartUp, services_.store.ReadLanguageNumber(1)});

    if (!services_.driver.InitLink()) {
        show();
        return true;
    }
    const bool opened = OpenMouseAtStartUp();
    RefreshPagesFromProfile();
    if (!opened) {
        services_.messages.ShowCountDownBox(MouseNotFoundText(services_.state.bChinese == 1));
        PostMessageTo(this, {WM_CLOSE, 0, 0});
        return false;
    }

    worker_ = std::make_unique<ApplyWorker>(ApplyWorkerLinks{services_.driver, services_.pointer, services_.clock,
                                                             services_.shared, selfTarget_, *progressTarget_,
                                                             services_.hooks, this, services_.log});
    worker_->Start();
    if (services_.firmware) services_.firmware->Start(selfTarget_);
    worker_->RequestFirmwareVersion();
    ShowAtStartUp();
    if (services_.hooks) StartHostActionHooks(*services_.hooks, &selfTarget_, services_.state.profile);
    StartFollowing();
    updaterTimer_.start(kUpdaterDelayMs);
    return true;
}

void CQ580ZDriverDlg::ShowAtStartUp() {
    // The window holds the focus itself: the first field in Qt's tab order (the wheel-lines box)
    // would otherwise take it and show its caret before anyone clicked into it, and the first
    // Tab goes to the shown page's first control.
    setFocus(Qt::OtherFocusReason);
    if (services_.startHidden) {
        // Started with the desktop: into the tray, or the taskbar where there is no tray.
        if (!TrayAvailable()) showMinimized();
    } else {
        show();
        raise();
        activateWindow();
    }
    // After the start-up language switch, which is posted too.
    if (services_.announceDesktop) QMetaObject::invokeMethod(this, [this] { AnnounceDesktop(); }, Qt::QueuedConnection);
}

void CQ580ZDriverDlg::AnnounceDesktop() {
    const bool pointerApplied = services_.pointer.Support().Any();
    const std::u16string notice = DesktopNoticeText(services_.desktopInput, pointerApplied, services_.state.bChinese == 1);
    if (notice.empty()) return;
    ShowNotice(QString::fromStdU16String(notice));
}

void CQ580ZDriverDlg::HandOverToFlasher() {
    // A missing flashing tool fails silently; the program closes either way.
    services_.startProgram(QDir(services_.programFolder).filePath(QStringLiteral("FWUpdate/RoruziVI")),
                           {QString::fromLatin1(FlasherArgument(services_.state.bChinese == 1))});
    PostMessageTo(this, {WM_CLOSE, 0, 0});
}

bool CQ580ZDriverDlg::OpenMouseAtStartUp() {
    return OpenDeviceRetrying(services_.driver, services_.clock, kStartUpOpenAttempts, kStartUpOpenPauseMs);
}

void CQ580ZDriverDlg::StartUpdater() {
    services_.startProgram(QDir(services_.programFolder).filePath(QStringLiteral("tavik_update/TavikUpdate")), {});
}

void CQ580ZDriverDlg::OnQueryEndSession(const Message&) {
    if (services_.beginUnattended) services_.beginUnattended();
    // The session may end without a close sequence: the pages keep what they hold now.
    for (CPageDlg* page : BuiltPages()) page->OnSessionEnding();
}

void CQ580ZDriverDlg::OnClose(const Message&) {
    if (bClosing_) return;
    bClosing_ = true;
    if (services_.beginUnattended) services_.beginUnattended();
    for (CPageDlg* page : BuiltPages()) page->OnClosing();
    if (tray_) tray_->Remove();
    StopFollowing();
    ReleasePages();
    arrivalRetry_.stop();
    updaterTimer_.stop();
    if (services_.presence) services_.presence->Stop();
    if (services_.hooks) services_.hooks->RemoveInputHooks();
    services_.driver.CloseDevice();
    services_.driver.ShutdownLink();
    // The worker leaves its loop when it wakes (after a running pass, which fails on the closed link).
    if (worker_) worker_->Stop();
    if (services_.firmware) services_.firmware->Stop();
    QTimer::singleShot(kCloseWaitMs, this, &CQ580ZDriverDlg::FinishClose);
}

void CQ580ZDriverDlg::FinishClose() {
    // A worker stopped before it took the last request never closes the progress window.
    services_.progress.Finish();
    hide();
    emit Ended();
}

}  // namespace oryn7px
