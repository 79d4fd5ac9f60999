// button: assign a function to one of the eight buttons, as the key-assignment popup does.
#include <algorithm>
#include <array>
#include <filesystem>
#include <ostream>
#include <string_view>

#include "cli.h"
#include "core/base/utf16.h"
#include "core/pages/main_page/setting_popup_model.h"
#include "key_combo_text.h"
#include "profile_edit.h"
#include "profile_view.h"

namespace oryn7px::cli {
namespace {

constexpr const char* kUsage =
    "usage: oryn7px-cli button [--profile N] BUTTON FUNCTION\n\n"
    "Assigns FUNCTION to BUTTON of the active profile, or of profile N (1..5), and saves it.\n"
    "BUTTON: 1..8 or left, middle, right, forward, back, wheel-up, wheel-down, dpi.\n"
    "FUNCTION:\n"
    "  basic CODE                         a basic function (codes below)\n"
    "  key COMBO                          a key or combination, e.g. ctrl+a, shift, alt+f4\n"
    "  macro ID                           a macro of the library (see 'macro list')\n"
    "  host sound|program|file|folder PATH  an action of this computer\n"
    "  disable | default\n"
    "Basic codes: 81 close window, 82 lock PC, 84 run, 85 show desktop, 123 classic desktop,\n"
    "124 switch applications, 126 zoom in, 127 zoom out, 125 search, 1 click, 2 menu, 4 middle,\n"
    "8 forward, 16 back, 40 music, 32 play/pause, 33 stop, 34 previous, 35 next, 38 volume down,\n"
    "37 volume up, 39 mute, 142 SNIPE, 143 FIRE.\n";

constexpr std::array<std::string_view, kButtonCount> kButtonNames{"left", "middle", "right",      "forward",
                                                                  "back", "wheel-up", "wheel-down", "dpi"};
constexpr std::array<std::string_view, kHostKindCount> kHostKinds{"sound", "program", "file", "folder"};

constexpr const char16_t* kNoMacro[2] = {u"No macro has the ID %s.", u"没有ID为%s的宏。"};
constexpr const char16_t* kNoHost[2] = {u"This button cannot run an action of the computer.", u"此按键不可使用高级功能!"};
constexpr const char16_t* kNothingChosen[2] = {u"%s chooses no key: add a key to the modifiers.",
                                               u"%s 未选择按键：请在修饰键之外加一个按键。"};

// Stands in for the input hooks: on the command line the keys come from the argument.
class NoForwarding final : public KeyForwarding {
public:
    void ForwardKeysToKeyTab() override {}
    void StopForwarding() override {}
};

int Usage(Context& context, const std::string& problem) {
    context.err << "oryn7px-cli button: " << problem << "\n" << kUsage;
    return kExitUsage;
}

std::optional<int> ParseButton(const std::string& text) {
    if (const auto number = ParseNumber(text); number && *number >= 1 && *number <= kButtonCount)
        return static_cast<int>(*number) - 1;
    for (int b = 0; b < kButtonCount; ++b)
        if (kButtonNames[static_cast<std::size_t>(b)] == text) return b;
    return std::nullopt;
}

// Chooses FUNCTION on the popup the way a user would; a usage error leaves `usage` set.
struct Choice {
    std::optional<std::u16string> refusal;
    std::string usage;
};

Choice Choose(SettingPopupModel& popup, const std::vector<std::string>& function, const MacroLibrary& library,
              bool chinese) {
    const std::string& kind = function[0];
    const std::size_t values = function.size() - 1;
    const auto text = [chinese](const char16_t* const (&pair)[2]) { return std::u16string(pair[chinese ? 1 : 0]); };
    if ((kind == "disable" || kind == "default") && values == 0) {
        if (kind == "default") {
            popup.ClickDefault();
        } else {
            popup.ClickDisable();
            popup.ClickOk();
        }
        return {};
    }
    if (kind == "basic" && values == 1) {
        const auto code = ParseNumber(function[1]);
        const auto row = code ? std::find_if(kBasicList.begin(), kBasicList.end(),
                                             [&](const BasicRow& r) { return r.code == static_cast<int32_t>(*code); })
                              : kBasicList.end();
        if (row == kBasicList.end()) return {std::nullopt, "basic takes a code of the basic list"};
        popup.SelectTab(PopupTab::kBasic);
        popup.SelectBasic(static_cast<int>(row - kBasicList.begin()));
        popup.ClickOk();
        return {};
    }
    if (kind == "key" && values == 1) {
        const auto combo = ParseKeyCombo(function[1]);
        if (!combo) return {std::nullopt, "unknown key combination " + function[1]};
        for (uint32_t modifier : combo->modifiers) popup.KeyEvent(modifier, 0);
        if (combo->key != 0) popup.KeyEvent(combo->key, 0);
        popup.ClickOk();
        if (popup.End() != PopupEnd::kOk) return {FormatS(text(kNothingChosen), Utf8ToUtf16(function[1])), {}};
        return {};
    }
    if (kind == "macro" && values == 1) {
        const auto id = ParseNumber(function[1]);
        if (!id) return {std::nullopt, "macro takes a macro ID"};
        const MacroEntry* entry = library.FindMacro(*id);
        if (entry == nullptr) return {FormatS(text(kNoMacro), Utf8ToUtf16(function[1])), {}};
        popup.SelectTab(PopupTab::kMacro);
        popup.SelectGame(static_cast<int>(MacroCategory(*id)) - 1);
        const auto& rows = popup.Macros();
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const MacroListItem& m) { return m.id == *id; });
        // Only macros of the 22 games are listed; others cannot be chosen in the popup either.
        if (row == rows.end()) return {FormatS(text(kNoMacro), Utf8ToUtf16(function[1])), {}};
        popup.SelectMacro(static_cast<int>(row - rows.begin()));
        popup.ClickOk();
        return {};
    }
    if (kind == "host" && values == 2) {
        const auto hostKind = std::find(kHostKinds.begin(), kHostKinds.end(), function[1]);
        if (hostKind == kHostKinds.end()) return {std::nullopt, "host takes sound, program, file or folder"};
        if (!popup.HostTabShown()) return {text(kNoHost), {}};
        const int row = static_cast<int>(hostKind - kHostKinds.begin());
        std::error_code ec;
        const std::filesystem::path path = std::filesystem::absolute(function[2], ec);
        popup.SelectTab(PopupTab::kHost);
        if (auto refused = popup.SetHostPath(row, Utf8ToUtf16(ec ? function[2] : path.lexically_normal().string())))
            return {refused, {}};
        return {popup.ClickOk(), {}};
    }
    return {std::nullopt, "unknown or incomplete FUNCTION"};
}

int Button(Context& context, const std::vector<std::string>& arguments) {
    if (WantsHelp(arguments)) {
        context.out << kUsage;
        return kExitOk;
    }
    std::vector<std::string> args = arguments;
    std::optional<int> profile;
    if (!TakeProfileOption(args, profile)) return Usage(context, "--profile takes a number from 1 to 5");
    if (args.size() < 2) return Usage(context, "takes BUTTON and FUNCTION");
    const auto button = ParseButton(args[0]);
    if (!button) return Usage(context, "unknown button " + args[0]);

    ProfileEdit edit(context);
    if (const int failed = edit.Load(profile)) return failed;
    SettingsState& state = edit.GetSession().State();
    MainPageModel& page = edit.Page();
    NoForwarding forwarding;
    const MacroLibrary& library = edit.GetSession().Library();
    SettingPopupModel popup(*button, page.BeginAssignment(*button), state.profile.Buttons[*button].nFunction,
                            forwarding, [&library](uint32_t group) { return library.ListMacros(group); },
                            edit.Chinese());
    popup.Open();
    const Choice choice = Choose(popup, std::vector<std::string>(args.begin() + 1, args.end()), library, edit.Chinese());
    if (!choice.usage.empty()) return Usage(context, choice.usage);
    if (choice.refusal) return Refuse(context, "button", *choice.refusal);
    const std::optional<AssignmentResult> result =
        popup.End() == PopupEnd::kOk ? std::optional<AssignmentResult>(popup.Result()) : std::nullopt;
    if (const auto refusal = page.FinishAssignment(result)) return Refuse(context, "button", *refusal);
    if (!edit.Save()) return kExitFailed;
    PrintButton(context.out, state, *button);
    return kExitOk;
}

const Registration kRegistration("button", "assign a function to a button (key, macro, basic, host action)", Button);

}  // namespace
}  // namespace oryn7px::cli
