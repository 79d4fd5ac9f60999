// apply: write a profile to the mouse as the apply button does, and save it when the mouse took it.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "cli.h"
#include "core/app/apply_handshake.h"
#include "core/base/messages.h"
#include "core/base/product_identity.h"
#include "core/base/utf16.h"
#include "core/device/apply_worker.h"
#include "core/device/usb_driver.h"
#include "message_queue.h"
#include "platform/hid_backend_choice.h"
#include "platform/linux/linux_paths.h"
#include "platform/linux/pointer_settings_choice.h"
#include "session.h"
#include "text_escape.h"

namespace oryn7px::cli {
namespace {

constexpr int kOpenAttempts = 10;
constexpr uint32_t kOpenPauseMs = 500;
constexpr int kFailureExitBase = 10;

constexpr const char* kUsage =
    "usage: oryn7px-cli [--virtual-mouse] apply [--profile N]\n\n"
    "Writes the active profile (or profile N) to the mouse and, when the mouse accepted every\n"
    "step, saves it and the profile index, where N is then marked active. The program, show and\n"
    "apply start with an active profile only when its index entry carries the valid magic\n"
    "(see profiles); otherwise with profile 1. On a failed step it prints the failure and exits\n"
    "with 10 + its code; the files stay as they were.\n";

class ProgressDisplay {
public:
    explicit ProgressDisplay(std::ostream& err) : err_(err), terminal_(isatty(STDERR_FILENO) == 1) {}

    void Show(uintptr_t percent) {
        if (!terminal_) {
            err_ << percent << "%\n";
            return;
        }
        constexpr int kWidth = 30;
        const int filled = static_cast<int>(percent) * kWidth / 100;
        err_ << "\rWriting to the mouse [" << std::string(static_cast<std::size_t>(filled), '#')
             << std::string(static_cast<std::size_t>(kWidth - filled), ' ') << "] " << percent << "%" << std::flush;
    }
    void Finish() {
        if (terminal_) err_ << "\n";
    }

private:
    std::ostream& err_;
    const bool terminal_;
};

// Queued messages reach the window that would receive them.
struct ApplyOutcome {
    bool done = false;
    intptr_t failure = -1;
};

ApplyOutcome WaitForPass(MessageQueue& queue, ProgressDisplay& progress) {
    ApplyOutcome outcome;
    bool closed = false;
    while (!closed) {
        const auto item = queue.WaitFor(std::chrono::hours(1));
        if (!item) break;
        const Message& m = item->message;
        if (m.msg == UM_APPLY_PROGRESS) progress.Show(m.wParam);
        if (m.msg == UM_APPLY_DONE) outcome.done = true;
        if (m.msg == UM_APPLY_FAILED) outcome.failure = m.lParam;
        if (m.msg == WM_CLOSE) closed = true;
    }
    progress.Finish();
    return outcome;
}

// A missing profile file is first created with the defaults; the second switch then takes it.
bool SelectProfile(ProfileStore& store, const SettingsState& state, int entry) {
    const std::filesystem::path path = store.ProfilePath(entry);
    int result = store.SwitchProfile(entry);
    const auto& unreadable = state.unreadableFiles;
    const bool created = std::filesystem::exists(path) && std::find(unreadable.begin(), unreadable.end(), path) == unreadable.end();
    if (result == kProfileNotRead && created) result = store.SwitchProfile(entry);
    return result == kProfileRead;
}

int Apply(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << kUsage;
        return kExitOk;
    }
    std::optional<uint32_t> profile;
    if (args.size() == 2 && args[0] == "--profile") profile = ParseNumber(args[1]);
    if (!(args.empty() || (profile && *profile >= 1 && *profile <= kProfileCount))) {
        context.err << kUsage;
        return kExitUsage;
    }

    Session session(context);
    if (const int refused = session.Open(Access::kWrite)) return refused;
    session.LoadAsAtStartUp();
    if (profile && !SelectProfile(session.Store(), session.State(), static_cast<int>(*profile - 1))) return kExitFailed;
    // Nothing goes to the mouse in the name of a profile whose file cannot be saved afterwards.
    if (!session.Store().CanSaveCurrentProfileAndIndex()) return kExitFailed;

    RealClock clock;
    HidBackendChoice choice = ChooseHidBackend(context.options.virtualMouse, clock);
    CUSBDriver driver(*choice.backend, clock);
    if (!driver.InitLink() || !OpenDeviceRetrying(driver, clock, kOpenAttempts, kOpenPauseMs)) {
        char message[96];
        std::snprintf(message, sizeof message, "The %s gaming mouse cannot be found.", kModelCode);
        context.err << message << "\n";
        return kExitFailed;
    }

    PointerSettingsChoice pointerChoice =
        MakePointerSettings(ProcessEnvironment, [&](const std::string& note) { context.err << EscapeForText(note) << "\n"; });
    PointerSettings& pointer = *pointerChoice.settings;
    ApplyShared shared;
    MessageQueue queue;  // both the main window's and the progress window's messages
    ApplyWorker worker({driver, pointer, clock, shared, queue, queue});
    worker.Start();
    if (!RequestApply(shared, session.State(), session.Store())) return kExitFailed;
    ProgressDisplay progress(context.err);
    const ApplyOutcome outcome = WaitForPass(queue, progress);
    driver.CloseDevice();

    if (!outcome.done) {
        std::u16string text(ApplyFailureText(outcome.failure));
        if (!text.empty() && text.back() == u'\n') text.pop_back();
        context.err << EscapeForText(Utf16ToUtf8(text), true) << "\n";
        return kFailureExitBase + static_cast<int>(outcome.failure);
    }
    if (!OnApplyDone(session.Store(), shared)) return kExitFailed;
    const int written = session.State().currentEntry;
    context.out << "Profile " << written + 1 << " written to the mouse and saved.\n";
    if (written != 0 && session.State().CurrentEntry().dwMagic != kConfigEntryMagic) {
        context.out << "Its index entry carries no valid magic: the program, show and apply still start with "
                       "profile 1.\n";
    }
    return kExitOk;
}

const Registration registration("apply", "write a profile to the mouse and save it", Apply);

}  // namespace
}  // namespace oryn7px::cli
