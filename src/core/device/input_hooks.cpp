#include "core/device/input_hooks.h"

#include <algorithm>

#include <optional>

#include "core/base/messages.h"
#include "core/device/hook_codes.h"

namespace oryn7px {

InputHooks::InputHooks(InputHookBackend& backend) : backend_(backend) {}

InputHooks::~InputHooks() { RemoveInputHooks(); }

bool InputHooks::InstallInputHooks(MessageTarget* window) {
    RemoveInputHooks();
    owner_ = window;
    mainWindow_ = window;
    installed_ = backend_.Install(*this);
    // The intercept list outlives removal and arrival of the mouse.
    if (installed_) PublishIntercepts();
    return installed_;
}

void InputHooks::RemoveInputHooks() {
    if (installed_.exchange(false)) backend_.Remove();
}

void InputHooks::SetHookOwner(MessageTarget* window) { owner_ = window; }

void InputHooks::SetHookForwarding(bool keyboard, bool mouse) {
    keyboardForwarding_ = keyboard ? 1 : 0;
    mouseForwarding_ = mouse ? 1 : 0;
    if (!keyboard && !mouse) owner_ = mainWindow_.load();
}

void InputHooks::InterceptButton(uint32_t code) {
    {
        // The apply worker and the host-action start may add the same code at the same time.
        std::lock_guard lock(addMutex_);
        if (code == 0 || IsIntercepted(code)) return;
        const auto free = std::find_if(intercept_.begin(), intercept_.end(), [](const auto& e) { return e == 0u; });
        if (free == intercept_.end()) return;
        free->store(code);
    }
    PublishIntercepts();
}

void InputHooks::ReleaseButton(uint32_t code) {
    if (code == 0) return;
    bool changed = false;
    for (auto& entry : intercept_) {
        uint32_t expected = code;
        changed |= entry.compare_exchange_strong(expected, 0);
    }
    if (changed) PublishIntercepts();
}

void InputHooks::SetButtonNotify(bool notifyAll) { notifyAllButtons_ = notifyAll ? 1 : 0; }

bool InputHooks::KeyboardProc(uint32_t virtualKey, uint32_t flags) {
    if (keyboardForwarding_) Post(UM_HOOK_INPUT, virtualKey, static_cast<intptr_t>(flags));
    return false;
}

bool InputHooks::MouseProc(uint32_t message, uint32_t mouseData) {
    const std::optional<uint32_t> press = PressCode(message, mouseData);
    bool swallow = false;
    if (press) {
        if (IsIntercepted(*press)) {
            Post(UM_HOST_ACTION, *press, 0);
            // A wheel notch has no release to swallow.
            if (message != WM_MOUSEWHEEL) swallowedRelease_ = *press + 1;
            swallow = true;
        } else if (notifyAllButtons_) {
            Post(UM_HOST_ACTION, *press, 0);
        }
    } else {
        // The whole release code, so that only the intercepted X button's release is kept back.
        uint32_t release = message + mouseData;
        if (swallowedRelease_.compare_exchange_strong(release, 0)) return true;
    }
    if (mouseForwarding_ && message != WM_MOUSEMOVE) Post(UM_HOOK_INPUT, MouseEventCode(message, mouseData), 0);
    return swallow;
}

std::vector<uint32_t> InputHooks::InterceptedButtons() const {
    std::vector<uint32_t> codes;
    for (const auto& entry : intercept_) {
        const uint32_t code = entry.load();
        if (code != 0) codes.push_back(code);
    }
    return codes;
}

bool InputHooks::IsIntercepted(uint32_t code) const {
    for (const auto& entry : intercept_) {
        if (entry.load() == code) return true;
    }
    return false;
}

void InputHooks::Post(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    if (MessageTarget* owner = owner_.load()) owner->Post({msg, wParam, lParam});
}

void InputHooks::PublishIntercepts() {
    std::lock_guard lock(publishMutex_);
    backend_.SetInterceptedButtons(InterceptedButtons());
}

}  // namespace oryn7px
