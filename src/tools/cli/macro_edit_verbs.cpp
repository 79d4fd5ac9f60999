// macro create and macro record: new macros through the macro page's own model, so the command
// line stores exactly what the page would.
#include "macro_edit_verbs.h"

#include <signal.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "core/base/messages.h"
#include "core/base/utf16.h"
#include "core/device/input_hooks.h"
#include "core/pages/macro_page/macro_categories.h"
#include "core/pages/macro_page/macro_page_model.h"
#include "core/settings/stored_text_limits.h"
#include "message_queue.h"
#include "platform/linux/x11_input_backend.h"
#include "session.h"
#include "text_escape.h"

namespace oryn7px::cli {

namespace {

using namespace macro_page;

constexpr uint32_t kDefaultSeconds = 10;

std::atomic<bool> gInterrupted{false};

void OnInterrupt(int) { gInterrupted = true; }

struct NewMacroOptions {
    std::u16string name;
    uint32_t category = kOwnCategory;
    std::optional<uint32_t> repeat;
    uint32_t seconds = kDefaultSeconds;
    bool skipDelays = false;
    std::vector<std::string> events;
};

std::string HexId(uint32_t id) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", id);
    return buffer;
}

// Usage errors are printed here; nothing comes back then.
std::optional<NewMacroOptions> ParseOptions(Context& context, const char* verb, const std::vector<std::string>& args,
                                            bool recording) {
    NewMacroOptions options;
    std::vector<std::string> positional;
    auto fail = [&](const std::string& why) {
        context.err << "oryn7px-cli macro " << verb << ": " << why << "\n";
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--category" && hasValue) {
            const auto number = ParseNumber(args[++i]);
            if (!number || !IsCategory(*number)) return fail("--category takes a category from 1 to 22");
            options.category = *number;
        } else if (!recording && arg == "--repeat" && hasValue) {
            options.repeat = ParseNumber(args[++i]);
            if (!options.repeat || *options.repeat > 0xFFFF) return fail("--repeat takes a count, 0xFFFE or 0xFFFF");
        } else if (recording && arg == "--seconds" && hasValue) {
            const auto seconds = ParseNumber(args[++i]);
            if (!seconds || *seconds == 0 || *seconds > 3600) return fail("--seconds takes a number from 1 to 3600");
            options.seconds = *seconds;
        } else if (recording && arg == "--skip-delays") {
            options.skipDelays = true;
        } else if (arg.starts_with("--")) {
            return fail("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.empty()) return fail("a NAME is needed");
    if (!IsValidUtf8(positional[0])) return fail("the name is not UTF-8 text");
    options.name = Utf8ToUtf16(positional[0]);
    if (options.name.empty() || options.name.size() > kMaxMacroNameLength) return fail("the name takes 1 to 39 characters");
    options.events.assign(positional.begin() + 1, positional.end());
    if (recording && !options.events.empty()) return fail("unexpected " + options.events.front());
    if (!recording && options.events.empty()) return fail("at least one EVENT is needed");
    return options;
}

std::optional<int> ParseMoveDistance(std::string_view text) {
    const bool negative = text.starts_with('-');
    const auto magnitude = ParseNumber(std::string(negative ? text.substr(1) : text));
    if (!magnitude || *magnitude > static_cast<uint32_t>(kMaxMove)) return std::nullopt;
    return negative ? -static_cast<int>(*magnitude) : static_cast<int>(*magnitude);
}

std::optional<EventLine> ParseEvent(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view kind = text.substr(0, colon);
    const std::string_view value = text.substr(colon + 1);
    if (kind == "down" || kind == "up") {
        const auto key = KeyOfName(value);
        if (!key) return std::nullopt;
        return EventLine{kind == "down" ? kLineKeyDown : kLineKeyUp, *key};
    }
    if (kind == "delay") {
        const auto ms = ParseNumber(std::string(value));
        if (!ms || *ms > kMaxDelayMs) return std::nullopt;
        return EventLine{kLineDelay, *ms};
    }
    if (kind == "move") {
        const std::size_t comma = value.find(',');
        if (comma == std::string_view::npos) return std::nullopt;
        const auto x = ParseMoveDistance(value.substr(0, comma));
        const auto y = ParseMoveDistance(value.substr(comma + 1));
        if (!x || !y) return std::nullopt;
        return EventLine{kLineMove, PackMove(*x, *y)};
    }
    return std::nullopt;
}

// The stored macro: its id, then one line per event as the page lists it.
void PrintMacro(Context& context, const MacroEntry& entry) {
    context.out << HexId(entry.dwMacroId) << "\n";
    for (uint32_t i = 0; i < std::min<uint32_t>(entry.dwEventCount, kMaxMacroEvents); ++i) {
        const auto line = LineOfEvent(entry.dwEvents[i]);
        if (!line) break;
        const char* kind = line->type == kLineKeyDown ? "down" : line->type == kLineKeyUp ? "up"
                           : line->type == kLineDelay ? "delay" : "move";
        context.out << "  " << kind << "  " << EscapeForText(Utf16ToUtf8(LineText(*line))) << "\n";
    }
}

// A new line in the category, named; the library gets it with its first stored event.
void StartNewMacro(MacroPageModel& model, const NewMacroOptions& options) {
    model.ShowCategory(options.category);
    model.NewMacro();
    model.RenameMacro(model.SelectedMacro(), options.name);
}

}  // namespace

int CreateMacro(Context& context, const std::vector<std::string>& args) {
    const auto options = ParseOptions(context, "create", args, false);
    if (!options) {
        context.err << kCreateUsage;
        return kExitUsage;
    }
    std::vector<EventLine> lines;
    for (const std::string& text : options->events) {
        const auto line = ParseEvent(text);
        if (!line) {
            context.err << "oryn7px-cli macro create: bad event " << text
                        << " (down:KEY, up:KEY, delay:MS with MS up to " << kMaxDelayMs
                        << ", or move:X,Y with X and Y from -127 to 127)\n";
            return kExitUsage;
        }
        lines.push_back(*line);
    }

    Session session(context);
    if (const int refused = session.Open(Access::kWrite)) return refused;
    session.LoadAsAtStartUp();
    MacroPageModel model(session.Library(), nullptr, nullptr, session.Ticks(), session.Messages(), session.State().bChinese);
    StartNewMacro(model, *options);
    if (options->repeat == 0xFFFEu) {
        model.SetRepeatChoice(RepeatChoice::kRepeatFFFE);
    } else if (options->repeat == 0xFFFFu) {
        model.SetRepeatChoice(RepeatChoice::kRepeatFFFF);
    } else if (options->repeat) {
        model.SetCountText(Utf8ToUtf16(std::to_string(*options->repeat)));
    }
    if (model.SetLines(std::move(lines)) != StoreOutcome::kStored) return kExitFailed;
    PrintMacro(context, *session.Library().FindMacro(*model.SelectedMacroId()));
    return kExitOk;
}

int RecordMacro(Context& context, const std::vector<std::string>& args) {
    const auto options = ParseOptions(context, "record", args, true);
    if (!options) {
        context.err << kRecordUsage;
        return kExitUsage;
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        context.err << "oryn7px-cli macro record: no display: recording needs an X11 session (DISPLAY is not set)\n";
        return kExitFailed;
    }

    Session session(context);
    if (const int refused = session.Open(Access::kWrite)) return refused;
    session.LoadAsAtStartUp();
    MessageQueue queue;
    X11InputBackend backend([&queue](const std::string& note) { queue.PostNote(note); });
    InputHooks hooks(backend);
    if (!hooks.InstallInputHooks(&queue)) {
        context.err << "oryn7px-cli macro record: " << EscapeForText(hooks.Status()) << "\n";
        return kExitFailed;
    }
    MacroPageModel model(session.Library(), &hooks, &queue, session.Ticks(), session.Messages(), session.State().bChinese);
    StartNewMacro(model, *options);
    model.SetSkipDelays(options->skipDelays);
    model.ToggleRecording();

    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    context.err << "oryn7px-cli macro record: recording keys for " << options->seconds << " s; Ctrl+C stops" << std::endl;

    using SteadyClock = std::chrono::steady_clock;
    const auto deadline = SteadyClock::now() + std::chrono::seconds(options->seconds);
    while (!gInterrupted && SteadyClock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
        const auto item = queue.WaitFor(std::min(left, std::chrono::milliseconds(100)));
        if (!item) continue;
        if (!item->note.empty()) {
            context.err << "oryn7px-cli macro record: " << EscapeForText(item->note) << std::endl;
        } else if (item->message.msg == UM_HOOK_INPUT) {
            model.OnHookInput(static_cast<uint32_t>(item->message.wParam), static_cast<uint32_t>(item->message.lParam));
        }
    }
    model.ToggleRecording();
    hooks.RemoveInputHooks();

    const auto id = model.SelectedMacroId();
    if (model.Lines().empty()) {
        context.err << "oryn7px-cli macro record: no key was pressed; nothing stored\n";
        return kExitFailed;
    }
    const MacroEntry* stored = id ? session.Library().FindMacro(*id) : nullptr;
    if (stored == nullptr) return kExitFailed;
    PrintMacro(context, *stored);
    return kExitOk;
}

}  // namespace oryn7px::cli
