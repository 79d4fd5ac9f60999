// The main window and the notification area: hiding to the tray and coming back, the tray's
// clicks and menu commands.
#include <QSystemTrayIcon>

#include "core/app/app_texts.h"
#include "core/base/messages.h"
#include "core/device/hook_codes.h"
#include "ui/frame/main_dialog.h"
#include "ui/frame/tray_icon.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {

void CQ580ZDriverDlg::OnTrayNotify(const Message& message) {
    if (message.lParam == WM_LBUTTONDBLCLK) ShowFromTray();
    if (message.lParam != WM_RBUTTONUP) return;
    std::optional<TrayFollowItem> follow;
    if (follower_ && services_.foregroundTracker) {
        ReadRulesIfChanged();
        follow = TrayFollowItem{Q(services_.strings.Caption(CaptionId::FollowPrograms)), Following()};
    }
    TrayIcon::RunMenu(this, services_.autostart, follow);
}

bool CQ580ZDriverDlg::RunTrayCommand(uint32_t command) {
    switch (command) {
        case kTrayCommandConfig: ShowFromTray(); return true;
        case kTrayCommandExit: PostMessageTo(this, {WM_CLOSE, 0, 0}); return true;
        case kTrayCommandAutostart: ToggleAutostart(); return true;
        case kTrayCommandFollow: ToggleFollowing(); return true;
        default: return false;
    }
}

void CQ580ZDriverDlg::HideToTray() {
    if (bClosing_) return;  // the pages are gone
    for (CPageDlg* page : BuiltPages()) page->OnLeaving();
    // Without a tray nothing could bring a hidden window back: it goes to the taskbar instead.
    if (TrayAvailable()) {
        hide();
    } else {
        showMinimized();
    }
    if (services_.hooks) services_.hooks->SetHookForwarding(false, false);
}

void CQ580ZDriverDlg::ShowFromTray() {
    if (bClosing_) return;
    RefreshPagesFromProfile();
    showNormal();
    raise();
    activateWindow();
}

bool CQ580ZDriverDlg::TrayAvailable() const {
    return services_.trayAvailable ? services_.trayAvailable() : QSystemTrayIcon::isSystemTrayAvailable();
}

void CQ580ZDriverDlg::ToggleAutostart() {
    if (!services_.autostart) return;
    if (!services_.autostart->SetEnabled(!services_.autostart->IsEnabled()))
        services_.messages.ShowInfoBox(AutostartFailedText(services_.state.bChinese == 1), false);
}

}  // namespace oryn7px
