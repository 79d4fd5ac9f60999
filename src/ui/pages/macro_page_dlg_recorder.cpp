// The macro page's recorder: the record button and the buttons it locks, skip-delays, the pads
// that play the mouse buttons, and the keys the input hooks hand over.
#include "core/base/messages.h"
#include "ui/pages/macro_page_dlg.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {

using namespace macro_page;

namespace {

// The virtual key each pad records.
uint32_t PadKey(CDlgMacro::Control pad) {
    if (pad == CDlgMacro::kLeftPad) return 0x01;
    return pad == CDlgMacro::kMiddlePad ? 0x04 : 0x02;
}

}  // namespace

void CDlgMacro::OnHookInput(const Message& message) {
    model_.OnHookInput(static_cast<uint32_t>(message.wParam), static_cast<uint32_t>(message.lParam));
    Sync();
}

void CDlgMacro::OnButtonMouse(const Message& message) {
    for (Control pad : {kLeftPad, kMiddlePad, kRightPad}) {
        if (message.lParam != WindowHandle(buttons_[pad]) || !model_.AcceptsPadInput()) continue;
        // A pad acts as the mouse button it shows: the same path as a key from the hooks.
        const intptr_t flags = message.wParam == WM_LBUTTONDOWN ? 0x00 : 0x80;
        PostMessageTo(this, {UM_HOOK_INPUT, PadKey(pad), flags});
    }
}

void CDlgMacro::SyncRecorder() {
    const CaptionPlace& caption = (model_.Recording() ? kStopRecordCaption : kStartRecordCaption)[0];
    const QRect box = ToQRect(caption.box).translated(-buttons_[kRecord]->pos());
    buttons_[kRecord]->SetCaption({CaptionText(strings_, caption), box, caption.style, caption.align});
    buttons_[kRecord]->SetChecked(model_.Recording());
    for (Control control : {kNewMacro, kDeleteMacro, kInsertLine, kDeleteLine, kModifyLine}) {
        buttons_[control]->setEnabled(model_.EditButtonsEnabled());
    }
    buttons_[kSkipDelays]->SetChecked(model_.SkipDelays());
    if (model_.Recording() != bToldRecording_) {
        bToldRecording_ = model_.Recording();
        emit KeyboardTaken(bToldRecording_);
    }
}

}  // namespace oryn7px
