// oryn7px-cli monitor: shows the key and button events the program sees on the desktop.
#include <signal.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ostream>

#include "cli.h"
#include "core/app/host_actions.h"
#include "core/app/log.h"
#include "core/base/messages.h"
#include "core/device/hook_codes.h"
#include "core/device/input_hooks.h"
#include "message_queue.h"
#include "platform/linux/linux_paths.h"
#include "platform/linux/linux_shell.h"
#include "platform/linux/safe_log_file.h"
#include "core/base/utf16.h"
#include "platform/linux/desktop_backends.h"
#include "session.h"
#include "text_escape.h"

namespace oryn7px::cli {

namespace {

constexpr char kUsage[] =
    "usage: oryn7px-cli monitor [--intercept CODE]... [--notify-all] [--seconds N] [--host-actions]\n\n"
    "Prints one line per message the input hooks post, until N seconds have passed or Ctrl+C:\n"
    "  UM_HOOK_INPUT vk=0x41 flags=0x0    a key event (flags bit 7: released)\n"
    "  UM_HOOK_INPUT code=0x2020b         a mouse button or wheel event\n"
    "  UM_HOST_ACTION code=0x2020b        a press that is intercepted (or every press with --notify-all)\n\n"
    "  --intercept CODE   keep this button from other programs: 0x201 left, 0x204 right, 0x207 middle,\n"
    "                     0x1020b back, 0x2020b forward, 0x20a01 wheel up, 0x20a00 wheel down\n"
    "  --notify-all       report every button press as UM_HOST_ACTION\n"
    "  --seconds N        stop after N seconds (default: run until interrupted)\n"
    "  --host-actions     as the program does: intercept the current profile's buttons that carry\n"
    "                     host actions, report every press, and perform the actions with their log line\n";

std::atomic<bool> gInterrupted{false};

void OnInterrupt(int) { gInterrupted = true; }

struct MonitorOptions {
    std::vector<uint32_t> intercepts;
    bool notifyAll = false;
    bool hostActions = false;
    std::optional<uint32_t> seconds;
};

// Usage errors are printed here; nothing comes back then.
std::optional<MonitorOptions> ParseOptions(Context& context, const std::vector<std::string>& args) {
    MonitorOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--notify-all") {
            options.notifyAll = true;
        } else if (arg == "--host-actions") {
            options.hostActions = true;
        } else if (arg == "--intercept" && hasValue) {
            const auto code = ParseNumber(args[++i]);
            if (!code || std::find(kHookButtonCode.begin(), kHookButtonCode.end(), *code) == kHookButtonCode.end()) {
                context.err << "oryn7px-cli monitor: " << args[i] << " is not a button code\n" << kUsage;
                return std::nullopt;
            }
            options.intercepts.push_back(*code);
        } else if (arg == "--seconds" && hasValue) {
            options.seconds = ParseNumber(args[++i]);
            if (!options.seconds) {
                context.err << "oryn7px-cli monitor: --seconds takes a whole number\n";
                return std::nullopt;
            }
        } else {
            context.err << "oryn7px-cli monitor: unexpected " << arg << "\n" << kUsage;
            return std::nullopt;
        }
    }
    return options;
}

std::string Describe(const Message& message) {
    char line[64];
    if (message.msg == UM_HOOK_INPUT && message.wParam < 0x100) {
        // Virtual keys stay below 0x100; button codes start at 0x201.
        std::snprintf(line, sizeof line, "UM_HOOK_INPUT vk=0x%x flags=0x%x", static_cast<unsigned>(message.wParam),
                      static_cast<unsigned>(message.lParam));
    } else {
        std::snprintf(line, sizeof line, "%s code=0x%x", message.msg == UM_HOST_ACTION ? "UM_HOST_ACTION" : "UM_HOOK_INPUT",
                      static_cast<unsigned>(message.wParam));
    }
    return line;
}

int Monitor(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << kUsage;
        return kExitOk;
    }
    const std::optional<MonitorOptions> options = ParseOptions(context, args);
    if (!options) return kExitUsage;

    MessageQueue queue;
    SafeLogFileOpener logFiles;
    CLog log(logFiles);
    const std::filesystem::path logPath = LogFilePath(LinuxTempFolder(ProcessEnvironment));
    // The same choice as the program's: X11 on X11 sessions, the mouse's own nodes on Wayland.
    const std::unique_ptr<DesktopBackends> desktop =
        ChooseDesktopBackends(ProcessEnvironment, [&queue](const std::string& note) { queue.PostNote(note); });
    if (desktop->input.mode == InputMode::kNone) {
        const std::string why = "Desktop input: " + Utf16ToUtf8(DesktopInputSummary(desktop->input, false));
        WriteLogEntry(log, logPath, why, CLog::kWarning);
        context.err << "oryn7px-cli monitor: " << EscapeForText(why) << "\n";
        return kExitFailed;
    }
    InputHooks hooks(*desktop->hooks);
    LinuxShell shell;
    // The profile store prints its own messages (a missing index, a bad profile) on stderr.
    std::unique_ptr<Session> session;
    std::unique_ptr<HostActions> actions;
    if (options->hostActions) {
        session = std::make_unique<Session>(context);
        session->Store().LoadProfileIndex();
        actions = std::make_unique<HostActions>(session->State().profile, shell, log, logPath);
    }

    const bool installed = actions ? StartHostActionHooks(hooks, &queue, session->State().profile)
                                   : hooks.InstallInputHooks(&queue);
    if (!installed) {
        WriteLogEntry(log, logPath, hooks.Status(), CLog::kWarning);
        context.err << "oryn7px-cli monitor: " << EscapeForText(hooks.Status()) << "\n";
        return kExitFailed;
    }
    if (options->notifyAll) hooks.SetButtonNotify(true);
    for (uint32_t code : options->intercepts) hooks.InterceptButton(code);
    if (const std::string status = hooks.Status(); !status.empty()) {
        WriteLogEntry(log, logPath, status, CLog::kWarning);
        context.err << "oryn7px-cli monitor: " << EscapeForText(status) << "\n";
    }

    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    context.err << "oryn7px-cli monitor: watching keys and buttons; Ctrl+C ends" << std::endl;

    using Clock = std::chrono::steady_clock;
    const auto deadline = options->seconds ? Clock::now() + std::chrono::seconds(*options->seconds) : Clock::time_point::max();
    while (!gInterrupted && Clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const std::optional<QueuedItem> item = queue.WaitFor(std::min(left, std::chrono::milliseconds(100)));
        if (!item) continue;
        if (!item->note.empty()) {
            WriteLogEntry(log, logPath, item->note, CLog::kWarning);
            context.err << "oryn7px-cli monitor: " << EscapeForText(item->note) << std::endl;
            continue;
        }
        context.out << Describe(item->message) << std::endl;
        if (actions && item->message.msg == UM_HOST_ACTION) {
            actions->OnHostAction(item->message.wParam, item->message.lParam);
        }
    }
    hooks.RemoveInputHooks();
    return kExitOk;
}

const Registration kMonitor("monitor", "show the keys and buttons the program sees; intercept buttons", Monitor);

}  // namespace

}  // namespace oryn7px::cli
