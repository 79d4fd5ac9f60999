// apply: write a profile to the mouse as the apply button does, and save it when the mouse took it.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "cli.h"
#include "core/app/apply_handshake.h"
#include "core/base/messages.h"
#include "core/base/utf16.h"
#include "core/device/apply_worker.h"
#include "core/device/usb_driver.h"
#include "message_queue.h"
#include "platform/hid_backend_choice.h"
#include "platform/linux/x11_pointer_settings.h"
#include "session.h"

namespace oryn7px::cli {
namespace {

constexpr int kOpenAttempts = 10;
constexpr uint32_t kOpenPauseMs = 500;
constexpr int kFailureExitBase = 10;

constexpr const char* kUsage =
    "usage: oryn7px-cli [--virtual-mouse] apply [--profile N]\n\n"
    "Writes the active profile (or profile N, which becomes the active one) to the mouse and,\n"
    "when the mouse accepted every step, saves it and the profile index. On a failed step it\n"
    "prints the failure and exits with 10 + its code; the files stay as they were.\n";

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
bool SelectProfile(ProfileStore& store, int entry) {
    int result = store.SwitchProfile(entry);
    if (result == kProfileNotRead && std::filesystem::exists(store.ProfilePath(entry))) result = store.SwitchProfile(entry);
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
    session.LoadAsAtStartUp();
    if (profile && !SelectProfile(session.Store(), static_cast<int>(*profile - 1))) return kExitFailed;

    RealClock clock;
    HidBackendChoice choice = ChooseHidBackend(context.options.virtualMouse, clock);
    CUSBDriver driver(*choice.backend, clock);
    if (!driver.InitLink() || !OpenDeviceRetrying(driver, clock, kOpenAttempts, kOpenPauseMs)) {
        char message[96];
        std::snprintf(message, sizeof message, "The %s gaming mouse cannot be found.", "ORYN7PX");
        context.err << message << "\n";
        return kExitFailed;
    }

    X11PointerSettings pointer(DefaultWheelLinesFile(), [&](const std::string& note) { context.err << note << "\n"; });
    ApplyShared shared;
    MessageQueue queue;  // both the main window's and the progress window's messages
    ApplyWorker worker({driver, pointer, clock, shared, queue, queue});
    worker.Start();
    if (!RequestApply(shared, session.State())) return kExitFailed;
    ProgressDisplay progress(context.err);
    const ApplyOutcome outcome = WaitForPass(queue, progress);
    driver.CloseDevice();

    if (!outcome.done) {
        std::u16string text(ApplyFailureText(outcome.failure));
        if (!text.empty() && text.back() == u'\n') text.pop_back();
        context.err << Utf16ToUtf8(text) << "\n";
        return kFailureExitBase + static_cast<int>(outcome.failure);
    }
    if (!OnApplyDone(session.Store(), shared)) return kExitFailed;
    context.out << "Profile " << session.State().currentEntry + 1 << " written to the mouse and saved.\n";
    return kExitOk;
}

const Registration registration("apply", "write a profile to the mouse and save it", Apply);

}  // namespace
}  // namespace oryn7px::cli
