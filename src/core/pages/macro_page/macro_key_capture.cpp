#include "core/pages/macro_page/macro_key_capture.h"

#include "core/device/input_hooks.h"

namespace oryn7px::macro_page {

void KeyCapture::Set(bool on) {
    if (hooks_ == nullptr) return;
    if (on) hooks_->SetHookOwner(owner_);
    hooks_->SetHookForwarding(on, false);
}

}  // namespace oryn7px::macro_page
