#pragma once
// Host-side button actions: the buttons the hooks intercept at start-up, and what the main window
// does with each intercepted press (UM_HOST_ACTION).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/app/log.h"
#include "core/base/message.h"
#include "core/device/input_hooks.h"
#include "core/interfaces/shell.h"
#include "core/settings/file_records.h"

namespace oryn7px {

// The button of a UM_HOST_ACTION code: 1..6. The left button is never one (its code answers nothing).
std::optional<int> HostActionButton(uint32_t eventCode);

// True when the button runs a host action: function 19 and a known kind.
bool HasHostAction(const ButtonSetting& button);

// Intercepts buttons 0..6 that carry a host action.
void InterceptHostActionButtons(InputHooks& hooks, const ProfileData& profile);

// What start-up does: hooks with the main window as owner, every press reported, host-action
// buttons intercepted. False when the hooks could not be installed (hooks.Status() says why).
bool StartHostActionHooks(InputHooks& hooks, MessageTarget* mainWindow, const ProfileData& profile);

// The log line of one action; the path is cut to 1023 bytes without splitting a character.
std::string HostActionLogLine(uint32_t eventCode, uint32_t keyFunction, std::u16string_view path);

class HostActions {
public:
    // `profile` is the current profile and is read at each action.
    HostActions(const ProfileData& profile, Shell& shell, CLog& log, std::filesystem::path logPath);

    // UM_HOST_ACTION: wParam = event code. Answers 1.
    intptr_t OnHostAction(uintptr_t wParam, intptr_t lParam);

private:
    void Perform(uint32_t keyFunction, const std::filesystem::path& path);

    const ProfileData& profile_;
    Shell& shell_;
    CLog& log_;
    std::filesystem::path logPath_;
};

}  // namespace oryn7px
