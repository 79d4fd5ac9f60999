#include "core/app/host_actions.h"

#include <cstdio>

#include "core/base/messages.h"
#include "core/base/utf16.h"
#include "core/device/hook_codes.h"

namespace oryn7px {

namespace {

constexpr std::size_t kMaxLoggedPathBytes = 1023;

bool IsHostActionKind(uint32_t kind) {
    return kind == kHostPlaySound || kind == kHostRunProgram || kind == kHostOpenFile || kind == kHostOpenFolder;
}

std::string CutUtf8(std::string text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t end = maxBytes;
    // Step back over continuation bytes to the start of the cut character.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text.resize(end);
    return text;
}

}  // namespace

std::optional<int> HostActionButton(uint32_t eventCode) {
    for (int i = 1; i < static_cast<int>(kHookButtonCode.size()); ++i) {
        if (kHookButtonCode[static_cast<std::size_t>(i)] == eventCode) return i;
    }
    return std::nullopt;
}

bool HasHostAction(const ButtonSetting& button) {
    return button.nFunction == kFunctionHostAction && IsHostActionKind(button.dwKeyFunction);
}

void InterceptHostActionButtons(InputHooks& hooks, const ProfileData& profile) {
    for (int i = 0; i < static_cast<int>(kHookButtonCode.size()); ++i) {
        // nFunction is checked as well: a button given another function keeps its old
        // dwKeyFunction, and must not be swallowed for nothing until the next apply.
        if (HasHostAction(profile.Buttons[i])) hooks.InterceptButton(*HookButtonCode(i));
    }
}

bool StartHostActionHooks(InputHooks& hooks, MessageTarget* mainWindow, const ProfileData& profile) {
    const bool installed = hooks.InstallInputHooks(mainWindow);
    hooks.SetButtonNotify(true);
    InterceptHostActionButtons(hooks, profile);
    return installed;
}

std::string HostActionLogLine(uint32_t eventCode, uint32_t keyFunction, std::u16string_view path) {
    char head[96];
    std::snprintf(head, sizeof head, "dwKey = 0x%0x, dwKeyFunction = 0x%0x, PathName = ", eventCode, keyFunction);
    return head + CutUtf8(Utf16ToUtf8(path), kMaxLoggedPathBytes);
}

HostActions::HostActions(const ProfileData& profile, Shell& shell, CLog& log, std::filesystem::path logPath)
    : profile_(profile), shell_(shell), log_(log), logPath_(std::move(logPath)) {}

intptr_t HostActions::OnHostAction(uintptr_t wParam, intptr_t) {
    const auto eventCode = static_cast<uint32_t>(wParam);
    const std::optional<int> index = HostActionButton(eventCode);
    if (!index) return 1;
    const ButtonSetting& button = profile_.Buttons[*index];
    if (button.nFunction != kFunctionHostAction) return 1;
    const std::u16string_view path = FixedText(button.PathName);
    WriteLogEntry(log_, logPath_, HostActionLogLine(eventCode, button.dwKeyFunction, path), CLog::kError);
    if (!path.empty()) Perform(button.dwKeyFunction, std::filesystem::path(Utf16ToUtf8(path)));
    return 1;
}

void HostActions::Perform(uint32_t keyFunction, const std::filesystem::path& path) {
    // Failures are silent: the log line already says what was asked.
    switch (keyFunction) {
        case kHostPlaySound: shell_.PlaySoundAsync(path); break;
        case kHostRunProgram: shell_.RunProgram(path, {}); break;
        case kHostOpenFile:
        case kHostOpenFolder: shell_.Open(path.string()); break;
        default: break;
    }
}

}  // namespace oryn7px
