#pragma once
// The system-wide key and mouse hooks: who hears them, which buttons they keep from other
// programs. One object for the process, created at start-up and handed to whoever needs it.
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "core/base/message.h"
#include "core/interfaces/input_hook_backend.h"

namespace oryn7px {

class InputHooks final : public InputHookSink {
public:
    static constexpr int kInterceptSlots = 12;

    explicit InputHooks(InputHookBackend& backend);
    ~InputHooks() override;
    InputHooks(const InputHooks&) = delete;
    InputHooks& operator=(const InputHooks&) = delete;

    // Owner and main window become `window`; true only when both hooks are in place.
    bool InstallInputHooks(MessageTarget* window);
    void RemoveInputHooks();
    void SetHookOwner(MessageTarget* window);
    // Switching both off returns the owner to the main window.
    void SetHookForwarding(bool keyboard, bool mouse);
    // Takes the first free entry unless the code is listed already; a full list ignores it.
    void InterceptButton(uint32_t code);
    void ReleaseButton(uint32_t code);
    void SetButtonNotify(bool notifyAll);

    bool KeyboardProc(uint32_t virtualKey, uint32_t flags) override;
    bool MouseProc(uint32_t message, uint32_t mouseData) override;

    std::vector<uint32_t> InterceptedButtons() const;
    bool IsInstalled() const { return installed_.load(); }
    // Why the hooks could not be installed, or what they cannot see; empty when all is well.
    std::string Status() const { return backend_.Status(); }

private:
    bool IsIntercepted(uint32_t code) const;
    void Post(uint32_t msg, uintptr_t wParam, intptr_t lParam);
    void PublishIntercepts();

    InputHookBackend& backend_;
    std::atomic<bool> installed_{false};
    std::atomic<MessageTarget*> owner_{nullptr};
    std::atomic<MessageTarget*> mainWindow_{nullptr};
    std::atomic<int32_t> keyboardForwarding_{1};
    std::atomic<int32_t> mouseForwarding_{1};
    std::array<std::atomic<uint32_t>, kInterceptSlots> intercept_{};
    std::atomic<uint32_t> swallowedRelease_{0};
    std::atomic<int32_t> notifyAllButtons_{0};
    // Keeps the sets handed to the backend in the order the list changed.
    std::mutex publishMutex_;
    std::mutex addMutex_;
};

}  // namespace oryn7px
