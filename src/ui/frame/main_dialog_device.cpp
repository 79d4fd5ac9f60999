// The main window's hand-shake with the apply worker, the mouse's buttons seen on the desktop,
// and the mouse coming and going.
#include "core/app/app_texts.h"
#include "core/app/apply_handshake.h"
#include "core/app/device_presence_rules.h"
#include "core/base/messages.h"
#include "ui/frame/main_dialog.h"
#include "ui/frame/progress_dialog.h"
#include "ui/skin/irr_button.h"

namespace oryn7px {

void CQ580ZDriverDlg::RequestApply() {
    // A second request while the progress window is up would start a second pass behind it.
    if (services_.progress.isVisible() || !worker_) return;
    if (!oryn7px::RequestApply(services_.shared, services_.state, services_.store)) return;
    if (follower_) follower_->PassStarted();
    services_.progress.SetCentreWindow(this);
    services_.progress.RunModal();
    // The modal window took the button's release: without this the next click would be lost.
    applyButton_->SetHighlighted(false);
}

void CQ580ZDriverDlg::OnApplyDone(const Message&) {
    oryn7px::OnApplyDone(services_.store, services_.shared);
    followedPass_.reset();
    // Last: a switch that waited for this pass may start the next one.
    if (follower_) follower_->PassEnded();
}

void CQ580ZDriverDlg::OnApplyFailed(const Message& message) {
    if (followedPass_) {
        // An automatic switch's failure is told quietly: a box would take the focus from the game.
        services_.shared.deviceState.ApplySettled();
        ReportFollowedPassFailure(message.lParam);
        followedPass_.reset();
    } else {
        oryn7px::OnApplyFailed(message.lParam, services_.shared, services_.messages);
    }
    applyButton_->SetHighlighted(false);
    if (follower_) follower_->PassEnded();
}

void CQ580ZDriverDlg::SetApplyButtonEnabled(bool enabled) {
    // Called on the worker's thread: the button changes on the UI thread.
    QMetaObject::invokeMethod(
        this, [this, enabled] { if (applyButton_ && !bClosing_) applyButton_->setEnabled(enabled); },
        Qt::QueuedConnection);
}

void CQ580ZDriverDlg::OnFirmwareVersion(const Message& message) {
    firmwareVersion_ = static_cast<uint32_t>(message.wParam);
    for (CPageDlg* page : BuiltPages()) page->OnFirmwareVersion(*firmwareVersion_);
}

void CQ580ZDriverDlg::OnHostAction(const Message& message) {
    for (CPageDlg* page : BuiltPages()) page->OnDesktopMouse(static_cast<uint32_t>(message.wParam));
    if (services_.hostActions) services_.hostActions->OnHostAction(message.wParam, message.lParam);
}

void CQ580ZDriverDlg::OnDeviceChange(DeviceChange change, const std::string& interfaceName) {
    PostMessageTo(this, {WM_DEVICECHANGE, static_cast<uintptr_t>(change), IsMouseInterfaceName(interfaceName) ? 1 : 0});
}

void CQ580ZDriverDlg::OnDeviceChange(const Message& message) {
    if (message.lParam != 1) return;
    if (message.wParam == static_cast<uintptr_t>(DeviceChange::Arrival)) OnArrival();
    if (message.wParam == static_cast<uintptr_t>(DeviceChange::Removal)) OnRemoval();
}

void CQ580ZDriverDlg::OnArrival() {
    arrivalRetry_.stop();
    TryOpenArrivedMouse();
}

void CQ580ZDriverDlg::TryOpenArrivedMouse() {
    // Retried every 2.5 s from a timer, so the window stays usable while the mouse settles; a
    // removal ends the retries.
    if (!services_.driver.OpenDevice()) {
        if (!arrivalRetry_.isActive()) arrivalRetry_.start();
        return;
    }
    arrivalRetry_.stop();
    DeviceState& deviceState = services_.shared.deviceState;
    deviceState.MouseArrived();
    if (worker_) worker_->RequestFirmwareVersion();
    if (services_.hooks) services_.hooks->InstallInputHooks(&selfTarget_);
    switch (DecideArrivalNotice(deviceState.Read())) {
        case ArrivalNotice::kRepairApplyReady:
            deviceState.RepairApplyReady();
            applyButton_->SetHighlighted(false);
            break;
        case ArrivalNotice::kShowFound:
            services_.messages.ShowCountDownBox(MouseFoundText(services_.state.bChinese == 1));
            break;
        case ArrivalNotice::kNone: break;
    }
}

void CQ580ZDriverDlg::OnRemoval() {
    arrivalRetry_.stop();
    services_.driver.CloseDevice();
    if (services_.hooks) services_.hooks->RemoveInputHooks();
    switch (DecideRemovalAction(services_.shared.deviceState.Read())) {
        case RemovalAction::kNone: return;
        case RemovalAction::kEndOfWrite: services_.shared.deviceState.EndWriteTail(); return;
        case RemovalAction::kEndProgram:
            services_.messages.ShowCountDownBox(MouseNotFoundText(services_.state.bChinese == 1));
            PostMessageTo(this, {WM_CLOSE, 0, 0});
            return;
    }
}

}  // namespace oryn7px
