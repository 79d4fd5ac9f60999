#pragma once
// CQ580ZDriverDlg: the program's only top-level window. It hosts the five pages, the profile
// and apply buttons and the hint bar, and is where the worker, the pages, the tray and the
// device notices meet, by posted messages.
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "core/app/profile_follower.h"
#include "core/base/message.h"
#include "core/interfaces/device_presence.h"
#include "ui/frame/app_services.h"
#include "ui/pages/page_table.h"
#include "ui/skin/caption_board.h"
#include "ui/skin/focus_chain.h"
#include "ui/skin/message_event.h"
#include "ui/skin/wnd_popup.h"

namespace oryn7px {

class CGDIBitmapBtn;
class CDlgPrograms;
class CPageDlg;
class CIrrButton;
class KeyPreFilter;
class TrayIcon;

inline constexpr uint32_t kLanguageAtStartUp = 0x110;
inline constexpr int kUpdaterDelayMs = 3000;
inline constexpr int kArrivalRetryMs = 2500;
inline constexpr int kCloseWaitMs = 500;

class CQ580ZDriverDlg : public QWidget,
                        public CaptionOwner,
                        private DevicePresenceListener,
                        private ApplyButtonControl {
    Q_OBJECT
public:
    explicit CQ580ZDriverDlg(AppServices& services);
    ~CQ580ZDriverDlg() override;

    // The start-up order of the main window. False when the program is to end (the close
    // sequence has been posted): bootloader hand-off or no mouse.
    bool OnInitDialog();

    // The state the tests look at.
    int SelectedPage() const { return nSelectedPage_; }
    QString HintText() const { return strHint_; }
    CIrrButton* Tab(int page) const { return tabs_[page - 1]; }
    CIrrButton* ProfileButton(int profile) const { return profileButtons_[profile - 1]; }
    CIrrButton* ApplyButton() const { return applyButton_; }
    CGDIBitmapBtn* LanguageButton() const { return languageButton_; }
    CGDIBitmapBtn* HideButton() const { return hideButton_; }
    CMenuExA* LanguagePopup() const { return languagePopup_; }
    // Page 1..5 in tab order, built when first asked for; null outside that range, before the
    // pages can be built and after the close sequence.
    CPageDlg* Page(int page);
    bool IsPageBuilt(int page) const { return page >= 1 && page <= kPageCount && pages_[page - 1]; }
    const CaptionBoard& Captions() const override { return captions_; }
    // Whether profiles follow the program in front now (the tray item's tick).
    bool Following() const { return follower_ && follower_->Enabled(); }
    // The profile whose button shows selected, 1..5.
    int ProfileInUse() const;

signals:
    // The close sequence has finished: the program ends.
    void Ended();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window: its buttons, language, hints, painting and dragging (main_dialog.cpp).
    void BuildWindow();
    void KeepFrameAroundPages(const QImage& frame);
    void SetTooltips();
    void NamePage(int page);
    void ShowCaptions();
    void OpenLanguagePopup();
    void SelectProfile(int profile);
    void ShowProfileSelection();
    void OnSetLanguage(const Message& message);
    void OnShowHint(const Message& message);
    void OnRestoreDefaults(const Message& message);
    void OnCommand(const Message& message);

    // A hint that stays until another takes its place: not for the mouse passing over buttons.
    void ShowNotice(const QString& text);

    // Profiles that follow the program in front (main_dialog_follow.cpp).
    void StartFollowing();
    void StopFollowing();
    void OnProgramInFront(const ForegroundProgram& program);
    void ReadRulesIfChanged();
    void TakeRules(const RulesReading& reading);
    void FollowRules(const ProgramRules& rules);
    void RunTracker(bool on);
    bool SwitchToFollowed(int profile, const ForegroundProgram& program);
    std::u16string FollowedHint(int profile, const ForegroundProgram& program) const;
    void ReportFollowedPassFailure(intptr_t code);
    void OpenProgramsDialog(int profile);
    void SaveProgramsChoice(const CDlgPrograms& dialog);
    QString FollowStatus(const RulesReading& reading) const;
    void ToggleFollowing();

    // The keyboard: its order and focus marks (main_dialog_keyboard.cpp).
    void SetUpKeyboard();
    FocusOrder FrameOrder() const;
    // What Tab and the arrow keys move through now: the shown page's controls, then the frame's.
    FocusOrder KeyboardOrder() const;

    // The page host (main_dialog_pages.cpp).
    void CreatePages();
    void BuildPage(int page);
    void SwitchPage(int page);
    void RefreshPagesFromProfile();
    void ReleasePages();
    std::vector<CPageDlg*> BuiltPages() const;

    // The tray: hiding and showing, its clicks and menu (main_dialog_tray.cpp).
    void OnTrayNotify(const Message& message);
    // True when `command` is one of the tray menu's.
    bool RunTrayCommand(uint32_t command);
    void HideToTray();
    void ShowFromTray();
    bool TrayAvailable() const;
    void ToggleAutostart();

    // Start-up, the session's end and the close sequence (main_dialog_lifecycle.cpp).
    void ShowAtStartUp();
    void AnnounceDesktop();
    void HandOverToFlasher();
    bool OpenMouseAtStartUp();
    void StartUpdater();
    void OnQueryEndSession(const Message& message);
    void OnClose(const Message& message);
    void FinishClose();

    // The apply worker and the mouse (main_dialog_device.cpp).
    void RequestApply();
    void OnApplyDone(const Message& message);
    void OnApplyFailed(const Message& message);
    void SetApplyButtonEnabled(bool enabled) override;
    void OnFirmwareVersion(const Message& message);
    void OnHostAction(const Message& message);
    void OnDeviceChange(DeviceChange change, const std::string& interfaceName) override;
    void OnDeviceChange(const Message& message);
    void OnArrival();
    void TryOpenArrivedMouse();
    void OnRemoval();

    AppServices& services_;
    QtMessageTarget selfTarget_{this};
    std::unique_ptr<QtMessageTarget> progressTarget_;
    std::unique_ptr<ApplyWorker> worker_;
    std::vector<std::pair<QPoint, QImage>> frameAround_;  // Frame_Normal.bmp but the page area
    QImage flag_;
    CaptionBoard captions_;
    QString strHint_;
    int nSelectedPage_ = 1;
    bool bClosing_ = false;
    bool bNoticeShown_ = false;  // the hint bar shows a notice (the desktop, a followed program)
    bool bStartUpChinese_ = false;  // languagetype.ini: the layout the skins were made for
    QPoint dragOffset_;
    bool bDragging_ = false;

    CGDIBitmapBtn* minimiseButton_ = nullptr;
    CGDIBitmapBtn* hideButton_ = nullptr;
    CGDIBitmapBtn* languageButton_ = nullptr;
    std::array<CIrrButton*, kPageCount> tabs_{};
    std::array<CIrrButton*, kPageCount> profileButtons_{};
    CIrrButton* applyButton_ = nullptr;
    QPointer<CMenuExA> languagePopup_;

    std::optional<PageContext> pageContext_;
    std::array<CPageDlg*, kPageCount> pages_{};
    std::optional<uint32_t> firmwareVersion_;  // for a support page built after the version was read

    std::unique_ptr<ProfileFollower> follower_;
    std::optional<ForegroundProgram> followedPass_;  // the program whose automatic pass runs
    bool bTrackerRunning_ = false;
    QString strTrackerProblem_;  // why the tracker did not start, for the programs dialog

    TrayIcon* tray_ = nullptr;
    KeyPreFilter* keyFilter_ = nullptr;
    QTimer updaterTimer_;
    QTimer arrivalRetry_;
};

}  // namespace oryn7px
