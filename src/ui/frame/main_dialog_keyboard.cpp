// The main window's keyboard: Tab and Shift+Tab go round the shown page's controls and then the
// frame's, the arrow keys move within a group, and focus marks show while the keyboard is used.
#include <QKeyEvent>

#include "ui/frame/main_dialog.h"
#include "ui/skin/focus_mark.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"

namespace oryn7px {

namespace {

void ActivatePictureButton(QWidget* button) { static_cast<CIrrButton*>(button)->Activate(); }

}  // namespace

void CQ580ZDriverDlg::SetUpKeyboard() {
    new KeyboardUse(this);
    TakeFocus(FrameOrder());
}

// The page tabs, the profile buttons and apply, the language button, minimise and hide. The tabs
// and the profiles are chosen as the arrows reach them, as a click would.
FocusOrder CQ580ZDriverDlg::FrameOrder() const {
    FocusOrder order;
    order.chain.insert(order.chain.end(), tabs_.begin(), tabs_.end());
    order.chain.insert(order.chain.end(), profileButtons_.begin(), profileButtons_.end());
    order.chain.insert(order.chain.end(), {applyButton_, languageButton_, minimiseButton_, hideButton_});
    order.groups = {{{tabs_.begin(), tabs_.end()}, ActivatePictureButton},
                    {{profileButtons_.begin(), profileButtons_.end()}, ActivatePictureButton}};
    return order;
}

FocusOrder CQ580ZDriverDlg::KeyboardOrder() const {
    FocusOrder order;
    const CPageDlg* shown = nSelectedPage_ >= 1 && nSelectedPage_ <= kPageCount ? pages_[nSelectedPage_ - 1] : nullptr;
    if (shown != nullptr) order = shown->KeyboardOrder();
    order.Append(FrameOrder());
    return order;
}

bool CQ580ZDriverDlg::focusNextPrevChild(bool next) { return MoveFocus(this, KeyboardOrder(), next); }

void CQ580ZDriverDlg::keyPressEvent(QKeyEvent* event) {
    if (IsArrowKey(event->key()) && MoveInGroup(KeyboardOrder(), focusWidget(), event->key())) return;
    // The menu key (or Shift+F10) on a profile button does what a right click does.
    const bool menuKey = (event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    for (int i = 0; menuKey && i < kPageCount; ++i) {
        if (focusWidget() == profileButtons_[i] && profileButtons_[i]->isEnabled()) {
            OpenProgramsDialog(i + 1);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace oryn7px
